#include "app/tolvane_app.h"

int main(int argc, char** argv) { return RunTolvane(argc, argv); }
