// Registry of the pictures that `make screenshots` renders. A source file of this folder adds
// one with DAYBROOK_SCREENSHOT("file-name", [] { return image; }); the program writes each
// picture to <folder>/<file-name>.png.
#pragma once

#include <QImage>
#include <QWidget>

#include <functional>
#include <string>
#include <vector>

namespace screenshots {

struct Shot {
    std::string name;
    std::function<QImage()> render;
};

std::vector<Shot>& Registry();

struct Registration {
    Registration(std::string name, std::function<QImage()> render);
};

// Shows the widget offscreen, lets pending events run, and grabs it.
QImage Grab(QWidget& widget);

} // namespace screenshots

#define DAYBROOK_SCREENSHOT_CONCAT2(a, b) a##b
#define DAYBROOK_SCREENSHOT_CONCAT(a, b) DAYBROOK_SCREENSHOT_CONCAT2(a, b)
#define DAYBROOK_SCREENSHOT(name, ...)                                                                   \
    static const screenshots::Registration DAYBROOK_SCREENSHOT_CONCAT(screenshot_, __LINE__)(name, __VA_ARGS__)
