// Writes a picture's pixels into a C++ source file, so that the program shows the picture
// without decoding it and every copy of the program running shares its memory:
//   embed_pixels <picture> <name> <output.cpp>
// defines `<name>Pixels` (32-bit 0xffRRGGBB pixels in the build machine's byte order,
// row after row), `<name>Width` and `<name>Height`, as declared in
// windows/play/background_picture.h.

#include <QImage>
#include <cstdio>
#include <fstream>
#include <string>

int main(int argc, char** argv) {
  if (argc != 4) {
    std::fprintf(stderr, "usage: embed_pixels <picture> <name> <output.cpp>\n");
    return 2;
  }
  const QImage picture =
      QImage(QString::fromLocal8Bit(argv[1])).convertToFormat(QImage::Format_RGB32);
  if (picture.isNull()) {
    std::fprintf(stderr, "embed_pixels: cannot read %s\n", argv[1]);
    return 1;
  }
  const std::string name = argv[2];
  std::ofstream out(argv[3], std::ios::binary);
  out << "// Made by tools/embed_pixels from " << argv[1] << ".\n"
      << "#include \"windows/play/background_picture.h\"\n\n"
      << "extern const int " << name << "Width = " << picture.width() << ";\n"
      << "extern const int " << name << "Height = " << picture.height()
      << ";\n"
      // A string, not a list of numbers: the compiler reads it in a moment.
      << "alignas(16) extern const unsigned char " << name << "Pixels[] =\n";
  char octal[8];
  for (int row = 0; row < picture.height(); ++row) {
    const uchar* bytes = picture.constScanLine(row);
    out << "    \"";
    for (int i = 0; i < picture.width() * 4; ++i) {
      std::snprintf(octal, sizeof octal, "\\%03o", bytes[i]);
      out << octal;
    }
    out << "\"\n";
  }
  out << ";\n";
  return out.good() ? 0 : 1;
}
