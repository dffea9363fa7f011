// Program entry: the application and its first window.
#include <QApplication>
#include <QLabel>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationDisplayName(QStringLiteral("The Daybrook"));
    QLabel window(QStringLiteral("The Daybrook"));
    window.setAlignment(Qt::AlignCenter);
    window.resize(296, 224);
    window.show();
    return QApplication::exec();
}
