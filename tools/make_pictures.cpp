// Paints the game's built-in pictures: the wooden tile, the window background, the
// program icon at the desktop's sizes and the board cursor. The output is committed under assets/;
// run this only to change the artwork:  make_pictures <assets folder>
//
// Everything comes from a fixed-seed hash, so a run gives the same bytes every time.

#include <QFile>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QTextStream>
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>

namespace {

// ---- Noise -------------------------------------------------------------------------

double Hash(int x, int y, int seed) {
  uint32_t h = static_cast<uint32_t>(x) * 374761393u + static_cast<uint32_t>(y) * 668265263u +
               static_cast<uint32_t>(seed) * 2246822519u;
  h = (h ^ (h >> 13)) * 1274126177u;
  h ^= h >> 16;
  return (h & 0xFFFFFF) / double(0xFFFFFF);
}

double Smooth(double t) { return t * t * (3 - 2 * t); }

double Lerp(double a, double b, double t) { return a + (b - a) * t; }

// Value noise in 0..1.
double Noise(double x, double y, int seed) {
  const int x0 = static_cast<int>(std::floor(x));
  const int y0 = static_cast<int>(std::floor(y));
  const double fx = Smooth(x - x0);
  const double fy = Smooth(y - y0);
  const double top = Lerp(Hash(x0, y0, seed), Hash(x0 + 1, y0, seed), fx);
  const double bottom = Lerp(Hash(x0, y0 + 1, seed), Hash(x0 + 1, y0 + 1, seed), fx);
  return Lerp(top, bottom, fy);
}

// Fractal noise in about 0..1.
double Fbm(double x, double y, int seed, int octaves) {
  double sum = 0, amplitude = 0.5, norm = 0;
  for (int i = 0; i < octaves; ++i) {
    sum += amplitude * Noise(x, y, seed + i * 101);
    norm += amplitude;
    x *= 2.03;
    y *= 2.03;
    amplitude *= 0.5;
  }
  return sum / norm;
}

// ---- Colours -----------------------------------------------------------------------

struct Rgb {
  double r, g, b;
};

Rgb Mix(Rgb a, Rgb b, double t) {
  return {Lerp(a.r, b.r, t), Lerp(a.g, b.g, t), Lerp(a.b, b.b, t)};
}

Rgb Scale(Rgb c, double k) { return {c.r * k, c.g * k, c.b * k}; }

QRgb ToPixel(Rgb c) {
  auto channel = [](double v) { return std::clamp(static_cast<int>(std::lround(v)), 0, 255); };
  return qRgb(channel(c.r), channel(c.g), channel(c.b));
}

double Clamp01(double v) { return std::clamp(v, 0.0, 1.0); }

// ---- Wooden tile -------------------------------------------------------------------

// Light maple: long grain along x with gently wandering rings and fine fibres.
Rgb WoodAt(double x, double y, double size) {
  const double u = x * 60.0 / size;
  const double v = y * 60.0 / size;
  const double warp = 4.0 * Fbm(u * 0.016, v * 0.045, 11, 4);
  const double rings = v * 0.30 + warp + 0.6 * std::sin(u * 0.03 + 1.3);
  const double ring = 0.5 + 0.5 * std::sin(rings * 2.4);
  const double lateWood = std::pow(ring, 6.0);
  const double fibre = Fbm(u * 0.04, v * 1.5, 23, 3);
  const double blotch = Fbm(u * 0.035, v * 0.05, 37, 3);

  const Rgb pale{238, 214, 172};
  const Rgb grain{198, 156, 104};
  Rgb c = Mix(pale, grain, 0.5 * lateWood + 0.45 * (fibre - 0.5) + 0.14);
  return Scale(c, 0.95 + 0.09 * blotch);
}

// A raised edge: light from the top left. `bevel` is the edge width in pixels.
Rgb Bevelled(Rgb c, int x, int y, int size, int bevel) {
  const int left = x, top = y, right = size - 1 - x, bottom = size - 1 - y;
  const int nearest = std::min({left, top, right, bottom});
  if (nearest == 0) return Scale(c, bottom == 0 || right == 0 ? 0.52 : 0.8);
  if (nearest >= bevel) return c;
  const double depth = 1.0 - double(nearest) / bevel;  // 1 at the rim, fading inwards
  const bool lit = (left == nearest || top == nearest) && !(right == nearest || bottom == nearest);
  if (lit) return Mix(c, Rgb{255, 246, 226}, 0.55 * depth);
  return Scale(c, 1.0 - 0.32 * depth);
}

QImage MakeTile(int size) {
  QImage image(size, size, QImage::Format_RGB32);
  const int bevel = std::max(3, size / 15);
  for (int y = 0; y < size; ++y)
    for (int x = 0; x < size; ++x)
      image.setPixel(x, y, ToPixel(Bevelled(WoodAt(x, y, size), x, y, size, bevel)));
  return image;
}

// ---- Window background -------------------------------------------------------------

// A calm evening over layered hills and a still lake, soft enough that the board and
// the teal panels stay the brightest and sharpest things on the window.
constexpr int kBackWidth = 640;
constexpr int kBackHeight = 510;

Rgb SkyAt(double x, double y) {
  const double t = y / kBackHeight;
  const Rgb high{118, 150, 178};
  const Rgb mid{182, 196, 206};
  const Rgb low{236, 214, 186};
  Rgb c = t < 0.42 ? Mix(high, mid, Smooth(t / 0.42)) : Mix(mid, low, Smooth((t - 0.42) / 0.28));
  // A low sun hidden behind the ridges on the right warms the haze around it.
  const double dx = (x - 470) / 260.0, dy = (y - 300) / 150.0;
  const double glow = std::exp(-(dx * dx + dy * dy) * 1.8);
  c = Mix(c, Rgb{252, 220, 178}, 0.55 * glow);
  // Thin drifting cloud bands.
  const double cloud = Fbm(x * 0.006, y * 0.03, 5, 5);
  const double band = Clamp01((cloud - 0.52) * 3.0) * Clamp01(1.2 - t * 2.0);
  return Mix(c, Rgb{238, 236, 234}, 0.35 * band);
}

struct Ridge {
  double base;       // mean height of the crest, pixels from the top
  double amplitude;  // how far the crest wanders
  double frequency;
  int seed;
  Rgb colour;
};

// Far to near; nearer ridges are darker and less hazy.
const Ridge kRidges[] = {
    {250, 55, 0.0045, 71, {150, 166, 182}},
    {288, 48, 0.0060, 83, {112, 134, 150}},
    {325, 40, 0.0080, 97, {76, 102, 116}},
    {362, 26, 0.0110, 109, {46, 72, 82}},
};
constexpr double kShoreline = 392;

// `detail` octaves: the full crest line, or with fewer, its broad shape.
double CrestAt(const Ridge& ridge, double x, int detail) {
  const double n = Fbm(x * ridge.frequency, ridge.seed * 0.37, ridge.seed, detail);
  return ridge.base - ridge.amplitude * (n - 0.3) * 2.0;
}

// The scene above the water line.
Rgb LandAt(double x, double y) {
  Rgb c = SkyAt(x, y);
  for (const Ridge& ridge : kRidges) {
    if (y < CrestAt(ridge, x, 5)) continue;
    // Mist pools in the valleys: the foot of each ridge fades back towards the sky.
    // Measured from the broad crest, so the jagged skyline leaves no streaks below it.
    const double below = y - CrestAt(ridge, x, 2);
    const double mist = Clamp01(below / 80.0) * 0.38;
    const double texture = Fbm(x * 0.02, y * 0.05, ridge.seed + 7, 4) - 0.5;
    Rgb land = Scale(ridge.colour, 1.0 + 0.10 * texture);
    c = Mix(land, SkyAt(x, kBackHeight * 0.62), mist);
  }
  return c;
}

Rgb BackgroundAt(int x, int y) {
  Rgb c;
  if (y < kShoreline) {
    c = LandAt(x, y);
  } else {
    // The lake mirrors the hills, broken by slow ripples and darkening towards us.
    const double depth = (y - kShoreline) / (kBackHeight - kShoreline);
    const double ripple = 3.0 * (Fbm(x * 0.01, y * 0.35, 131, 3) - 0.5);
    const double mirrorY = std::max(0.0, 2 * kShoreline - y + ripple * (2 + 6 * depth));
    // Water softens what it mirrors: a few nearby samples are averaged.
    Rgb reflection{0, 0, 0};
    for (int k = -2; k <= 2; ++k)
      reflection = Mix(reflection, LandAt(x + ripple * 4 + k, mirrorY + 1.5 * k), 1.0 / (k + 3));
    const double sheen = Clamp01((Fbm(x * 0.004, y * 0.2, 151, 3) - 0.45) * 2.5);
    c = Mix(reflection, Rgb{40, 62, 74}, 0.25 + 0.45 * depth);
    c = Mix(c, Rgb{214, 206, 196}, 0.12 * sheen * (1 - depth));
  }
  // A whisper of film grain and a soft vignette make it read as a photograph.
  const double grain = (Hash(x, y, 977) - 0.5) * 5.0;
  const double vx = (x - kBackWidth / 2.0) / kBackWidth, vy = (y - kBackHeight / 2.0) / kBackHeight;
  const double vignette = 1.0 - 0.35 * (vx * vx + vy * vy);
  c = Scale(c, vignette);
  return {c.r + grain, c.g + grain, c.b + grain};
}

QImage MakeBackground() {
  QImage image(kBackWidth, kBackHeight, QImage::Format_RGB32);
  for (int y = 0; y < kBackHeight; ++y)
    for (int x = 0; x < kBackWidth; ++x) image.setPixel(x, y, ToPixel(BackgroundAt(x, y)));
  return image;
}

// ---- Icon --------------------------------------------------------------------------

// Painted at each size rather than scaled, so the grain and the letter stay crisp in a
// desktop menu at any of the sizes it asks for.
QImage MakeIcon(int size) {
  QImage image = MakeTile(size);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::TextAntialiasing);
  QFont font("Liberation Sans");
  font.setBold(true);
  font.setPixelSize(size * 46 / 64);
  painter.setFont(font);
  painter.setPen(QColor(28, 22, 16));
  painter.drawText(QRect(0, size / 32, size, size), Qt::AlignCenter, "T");
  return image;
}

// ---- Board cursor ------------------------------------------------------------------

// A 4 x 4 grid of 5-pixel cells, 21 pixels square, in the top-left corner of a
// 32 x 32 cursor. The mask is the grid itself: everything else is transparent.
bool OnGrid(int x, int y) {
  const bool inSquare = x <= 20 && y <= 20;
  return inSquare && (x % 5 == 0 || y % 5 == 0);
}

bool WriteXbm(const QString& path, const QString& name) {
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text)) return false;
  QTextStream out(&file);
  out << "#define " << name << "_width 32\n";
  out << "#define " << name << "_height 32\n";
  out << "#define " << name << "_x_hot 0\n";
  out << "#define " << name << "_y_hot 0\n";
  out << "static unsigned char " << name << "_bits[] = {\n";
  for (int y = 0; y < 32; ++y) {
    out << "  ";
    for (int byte = 0; byte < 4; ++byte) {
      int bits = 0;
      for (int bit = 0; bit < 8; ++bit)
        if (OnGrid(byte * 8 + bit, y)) bits |= 1 << bit;  // XBM is least significant bit first
      out << QString("0x%1").arg(bits, 2, 16, QChar('0'));
      if (y != 31 || byte != 3) out << ",";
      if (byte != 3) out << " ";
    }
    out << "\n";
  }
  out << "};\n";
  return out.status() == QTextStream::Ok;
}

bool Save(const QImage& image, const QString& path) {
  if (image.save(path, "PNG", 9)) return true;
  std::fprintf(stderr, "make_pictures: cannot write %s\n", qPrintable(path));
  return false;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: make_pictures <assets folder>\n");
    return 2;
  }
  // Fonts need a GUI application; no display is needed for painting into images.
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  const QString folder = QString::fromLocal8Bit(argv[1]) + "/";

  bool ok = Save(MakeTile(60), folder + "tile.png");
  ok = Save(MakeBackground(), folder + "background.png") && ok;
  ok = Save(MakeIcon(64), folder + "tolvane.png") && ok;
  for (int size : {48, 128, 256})
    ok = Save(MakeIcon(size), folder + QString("tolvane_%1.png").arg(size)) && ok;
  ok = WriteXbm(folder + "gridcurs.xbm", "gridcurs") && ok;
  ok = WriteXbm(folder + "gridcurs_mask.xbm", "gridcurs_mask") && ok;
  return ok ? 0 : 1;
}
