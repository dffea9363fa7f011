// Renders every registered window and widget into PNG files under the folder given as the
// first argument (default "screenshots"); further arguments keep only names containing them.
#include "Screenshots.h"

#include <QApplication>
#include <QDir>

#include <cstdio>
#include <cstdlib>

using platform::registry::Registry;

namespace screenshots {

std::vector<Shot>& Registry()
{
    static std::vector<Shot> shots;
    return shots;
}

Registration::Registration(std::string name, std::function<QImage()> render)
{
    Registry().push_back({std::move(name), std::move(render)});
}

QImage Grab(QWidget& widget)
{
    widget.show();
    QApplication::processEvents();
    return widget.grab().toImage();
}

} // namespace screenshots

int main(int argc, char** argv)
{
    if (std::getenv("QT_QPA_PLATFORM") == nullptr)
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication app(argc, argv);
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("screenshots");
    QDir().mkpath(folder);

    int failures = 0;
    for (const auto& shot : screenshots::Registry()) {
        bool wanted = argc <= 2;
        for (int i = 2; i < argc; ++i)
            wanted = wanted || shot.Name.find(argv[i]) != std::string::npos;
        if (!wanted)
            continue;
        const QString file = folder + '/' + QString::fromStdString(shot.Name) + ".png";
        if (shot.Render().save(file)) {
            std::printf("%s\n", qPrintable(file));
        } else {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
            ++failures;
        }
    }
    return failures == 0 ? 0 : 1;
}
