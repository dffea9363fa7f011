// Registry of the pictures that `make screenshots` renders. A source file of this folder adds
// one with DAYBROOK_SCREENSHOT("file-name", [] { return image; }); the program writes each
// picture to <folder>/<file-name>.png.
#pragma once

#include "support/ScriptedDialogs.h"
#include "widgets/services/Services.h"

#include <QImage>
#include <QTemporaryDir>
#include <QWidget>

#include <functional>
#include <string>
#include <vector>

namespace screenshots {

struct Shot {
    std::string Name;
    std::function<QImage()> Render;
};

std::vector<Shot>& Registry();

struct Registration {
    Registration(std::string name, std::function<QImage()> render);
};

// Shows the widget offscreen, lets pending events run, and grabs it.
QImage Grab(QWidget& widget);

// Services for a picture: a temporary program folder holding the settings file, dialogs that
// answer nothing, code page 1252 and a fixed day (15 March 2024).
class ShotServices {
public:
    ShotServices()
        : services_(platform::environment::Environment{folder_.path().toStdString(),
                                                       folder_.path().toStdString() + "/registry.reg", 1252},
                    dialogs_, QStringLiteral("The Daybrook"), [] {
                        return base::dates::Date{2024, 3, 15};
                    })
    {
    }
    widgets::services::Services& operator*() { return services_; }
    std::string Folder() const { return folder_.path().toStdString(); }

private:
    QTemporaryDir folder_;
    testing_support::ScriptedDialogs dialogs_;
    widgets::services::Services services_;
};

} // namespace screenshots

#define DAYBROOK_SCREENSHOT_CONCAT2(a, b) a##b
#define DAYBROOK_SCREENSHOT_CONCAT(a, b) DAYBROOK_SCREENSHOT_CONCAT2(a, b)
#define DAYBROOK_SCREENSHOT(name, ...)                                                                   \
    static const screenshots::Registration DAYBROOK_SCREENSHOT_CONCAT(screenshot_, __LINE__)(name, __VA_ARGS__)
