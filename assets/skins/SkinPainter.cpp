// Paints the nine skins: for each, a 500 x 60 top strip and a 500 x 300 background, written as
// baseline JFIF files skinNNu.jpg and skinNNd.jpg into the folder named by the first argument.
// Dark to mid-toned gradients with large soft shapes and faint noise, so that white captions
// stay readable and the pictures stretch well.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include <jpeglib.h>

namespace {

struct RgbColor {
    double R, G, B; // 0..255
};

RgbColor Mix(RgbColor a, RgbColor b, double t)
{
    return {a.R + (b.R - a.R) * t, a.G + (b.G - a.G) * t, a.B + (b.B - a.B) * t};
}

struct Theme {
    RgbColor Top;    // gradient at the upper left
    RgbColor Bottom; // gradient at the lower right
    RgbColor Glow;   // colour of the soft shapes
    double GlowStrength;
    unsigned Seed;
};

// Dusk blue (the default, the calmest), deep forest, burgundy, slate, ocean teal, warm walnut,
// plum, graphite, midnight.
const Theme Themes[] = {
    {{46, 62, 102}, {22, 30, 58}, {96, 120, 170}, 0.30, 11},
    {{34, 70, 48}, {14, 36, 24}, {92, 138, 84}, 0.35, 23},
    {{104, 30, 44}, {48, 12, 22}, {168, 70, 82}, 0.35, 37},
    {{70, 80, 92}, {36, 42, 52}, {122, 136, 150}, 0.30, 41},
    {{20, 92, 100}, {8, 44, 56}, {60, 150, 150}, 0.35, 53},
    {{100, 66, 40}, {50, 30, 18}, {160, 112, 66}, 0.35, 67},
    {{84, 42, 94}, {38, 18, 50}, {146, 90, 160}, 0.35, 71},
    {{62, 62, 66}, {26, 26, 30}, {110, 110, 118}, 0.30, 83},
    {{18, 20, 46}, {4, 4, 14}, {58, 64, 128}, 0.40, 97},
};

// Deterministic pseudo-random numbers, so that every build paints the same pictures.
class Random {
public:
    explicit Random(unsigned seed) : state_(seed * 2654435761u + 1) {}
    double Next()
    {
        state_ ^= state_ << 13;
        state_ ^= state_ >> 17;
        state_ ^= state_ << 5;
        return (state_ % 100000) / 100000.0;
    }

private:
    uint32_t state_;
};

// Smooth value noise in -1..1 with features about `cell` pixels wide.
class Noise {
public:
    Noise(unsigned seed, double cell) : cell_(cell)
    {
        Random random(seed);
        for (double& v : values_)
            v = random.Next() * 2 - 1;
    }

    double At(double x, double y) const
    {
        const double fx = x / cell_;
        const double fy = y / cell_;
        const int ix = static_cast<int>(std::floor(fx));
        const int iy = static_cast<int>(std::floor(fy));
        const double tx = Smooth(fx - ix);
        const double ty = Smooth(fy - iy);
        const double top = Lerp(Value(ix, iy), Value(ix + 1, iy), tx);
        const double bottom = Lerp(Value(ix, iy + 1), Value(ix + 1, iy + 1), tx);
        return Lerp(top, bottom, ty);
    }

private:
    static double Smooth(double t) { return t * t * (3 - 2 * t); }
    static double Lerp(double a, double b, double t) { return a + (b - a) * t; }
    double Value(int x, int y) const { return values_[static_cast<size_t>((x * 31 + y * 17) & 255)]; }

    double cell_;
    double values_[256];
};

struct Blob {
    double X, Y, Radius, Strength;
};

class Picture {
public:
    Picture(int width, int height) : width_(width), height_(height), pixels_(static_cast<size_t>(width * height) * 3) {}

    void Set(int x, int y, RgbColor c)
    {
        uint8_t* p = &pixels_[static_cast<size_t>(y * width_ + x) * 3];
        p[0] = static_cast<uint8_t>(std::clamp(c.R, 0.0, 255.0));
        p[1] = static_cast<uint8_t>(std::clamp(c.G, 0.0, 255.0));
        p[2] = static_cast<uint8_t>(std::clamp(c.B, 0.0, 255.0));
    }

    bool SaveJpeg(const std::string& path) const
    {
        jpeg_compress_struct info{};
        jpeg_error_mgr errors{};
        info.err = jpeg_std_error(&errors);
        jpeg_create_compress(&info);
        unsigned char* buffer = nullptr;
        unsigned long size = 0;
        jpeg_mem_dest(&info, &buffer, &size);
        info.image_width = static_cast<JDIMENSION>(width_);
        info.image_height = static_cast<JDIMENSION>(height_);
        info.input_components = 3;
        info.in_color_space = JCS_RGB;
        jpeg_set_defaults(&info); // baseline, Huffman-coded, with a JFIF header
        jpeg_set_quality(&info, 85, TRUE);
        info.optimize_coding = TRUE;
        jpeg_start_compress(&info, TRUE);
        while (info.next_scanline < info.image_height) {
            JSAMPROW row = const_cast<uint8_t*>(&pixels_[static_cast<size_t>(info.next_scanline) * width_ * 3]);
            jpeg_write_scanlines(&info, &row, 1);
        }
        jpeg_finish_compress(&info);
        jpeg_destroy_compress(&info);
        FILE* file = std::fopen(path.c_str(), "wb");
        bool written = file != nullptr && std::fwrite(buffer, 1, size, file) == size;
        if (file != nullptr && std::fclose(file) != 0)
            written = false;
        std::free(buffer);
        return written;
    }

private:
    int width_;
    int height_;
    std::vector<uint8_t> pixels_;
};

// A diagonal gradient with soft glowing shapes and faint noise. `shade` darkens the whole
// picture (the top strip is a little darker than the background, under the toolbar captions).
Picture Paint(const Theme& theme, int width, int height, const std::vector<Blob>& blobs, double shade,
               unsigned noiseSeed)
{
    Picture picture(width, height);
    const Noise broad(noiseSeed, 90);
    const Noise fine(noiseSeed + 1, 7);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const double t = std::clamp(0.65 * y / height + 0.35 * x / width + 0.08 * broad.At(x, y), 0.0, 1.0);
            RgbColor c = Mix(theme.Top, theme.Bottom, t);
            for (const Blob& blob : blobs) {
                const double dx = (x - blob.X) / blob.Radius;
                const double dy = (y - blob.Y) / blob.Radius;
                const double fall = std::exp(-(dx * dx + dy * dy) * 2.2);
                c = Mix(c, theme.Glow, fall * blob.Strength * theme.GlowStrength);
            }
            const double grain = 3.0 * fine.At(x, y) + 5.0 * broad.At(x * 1.7, y * 1.7);
            c = {c.R * shade + grain, c.G * shade + grain, c.B * shade + grain};
            picture.Set(x, y, c);
        }
    }
    return picture;
}

std::vector<Blob> Blobs(const Theme& theme, int width, int height, int count)
{
    Random random(theme.Seed);
    std::vector<Blob> blobs;
    for (int i = 0; i < count; ++i)
        blobs.push_back({random.Next() * width, random.Next() * height, (0.25 + 0.35 * random.Next()) * width,
                         0.6 + 0.4 * random.Next()});
    return blobs;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT-FOLDER\n", argv[0]);
        return 2;
    }
    const std::string folder = argv[1];
    int skin = 0;
    for (const Theme& theme : Themes) {
        char number[8];
        std::snprintf(number, sizeof number, "%02d", skin++);
        const Picture strip = Paint(theme, 500, 60, Blobs(theme, 500, 60, 2), 0.85, theme.Seed * 3);
        const Picture background = Paint(theme, 500, 300, Blobs(theme, 500, 300, 4), 1.0, theme.Seed * 5);
        if (!strip.SaveJpeg(folder + "/skin" + number + "u.jpg") ||
            !background.SaveJpeg(folder + "/skin" + number + "d.jpg")) {
            std::fprintf(stderr, "cannot write the skins into %s\n", folder.c_str());
            return 1;
        }
    }
    return 0;
}
