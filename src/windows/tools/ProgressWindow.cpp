#include "windows/tools/ProgressWindow.h"

#include "windows/tools/ToolsGlyphs.h"
#include "windows/tools/ToolDialog.h"

#include <QFrame>
#include <QLabel>

using widgets::controls::ArialPixels;

namespace windows::tools {

namespace {

constexpr int Border = 10;
const QColor Background(0x22, 0x46, 0x6A);
const QColor TextColour(0xFF, 0xFF, 0x80);

QLabel* MakeText(QWidget* parent, int left, int top, const QString& caption)
{
    auto* label = new QLabel(caption, parent);
    label->setFont(ArialPixels(15));
    label->setGeometry(left, top, 223 - left - 4, 19);
    return label;
}

} // namespace

ProgressWindow::ProgressWindow(QWidget* owner) : QDialog(owner)
{
    setObjectName("progressWindow");
    setWindowTitle(QStringLiteral("Diary Export"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setFixedSize(223 + 2 * Border, 65 + 2 * Border);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, Background);
    colours.setColor(QPalette::WindowText, TextColour);
    setPalette(colours);
    setAutoFillBackground(true);

    client_ = new QWidget(this);
    client_->setGeometry(Border, Border, 223, 65);
    icon_ = new QLabel(client_);
    icon_->setGeometry(14, 14, 32, 32);
    icon_->setPixmap(QPixmap::fromImage(OptionsGlyph("PRICON")));
    titleLabel_ = MakeText(client_, 54, 12, QStringLiteral("Exporting your Diary "));
    waitLabel_ = MakeText(client_, 54, 33, QStringLiteral("Please wait ..."));
    bevel_ = new QFrame(client_);
    bevel_->setGeometry(client_->rect());
    bevel_->setFrameShape(QFrame::Box);
    bevel_->setFrameShadow(QFrame::Sunken);
    client_->setObjectName("client");
    icon_->setObjectName("icon");
    titleLabel_->setObjectName("titleLabel");
    waitLabel_->setObjectName("waitLabel");
    bevel_->setObjectName("bevel");
}

void ProgressWindow::Start(size_t entries)
{
    setWindowTitle(QStringLiteral("Diary Export"));
    titleLabel_->setText(QStringLiteral("Exporting %1 entries").arg(entries));
    ShowOverOwner();
}

void ProgressWindow::StartImport(size_t entries)
{
    setWindowTitle(QStringLiteral("Diary Import"));
    titleLabel_->setText(QStringLiteral("Importing %1 entries").arg(entries));
    ShowOverOwner();
}

void ProgressWindow::ShowOverOwner()
{
    if (const QWidget* owner = parentWidget()) {
        const QRect over = owner->frameGeometry();
        move(over.left() + (over.width() - width()) / 2, over.top() + (over.height() - height()) / 2);
    }
    show();
    repaint();
}

} // namespace windows::tools
