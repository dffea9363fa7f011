#include "windows/tools/ProgressWindow.h"

#include "windows/tools/ToolsGlyphs.h"
#include "windows/tools/ToolDialog.h"

#include <QFrame>
#include <QLabel>

namespace {

constexpr int Border = 10;
const QColor Background(0x22, 0x46, 0x6A);
const QColor TextColour(0xFF, 0xFF, 0x80);

QLabel* MakeText(QWidget* parent, int left, int top, const QString& caption)
{
    auto* label = new QLabel(caption, parent);
    label->setFont(widgets::ArialPixels(15));
    label->setGeometry(left, top, 223 - left - 4, 19);
    return label;
}

} // namespace

ProgressWindow::ProgressWindow(QWidget* owner) : QDialog(owner)
{
    setObjectName("frmProgress");
    setWindowTitle(QStringLiteral("Diary Export"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setFixedSize(223 + 2 * Border, 65 + 2 * Border);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, Background);
    colours.setColor(QPalette::WindowText, TextColour);
    setPalette(colours);
    setAutoFillBackground(true);

    Client = new QWidget(this);
    Client->setGeometry(Border, Border, 223, 65);
    Image1 = new QLabel(Client);
    Image1->setGeometry(14, 14, 32, 32);
    Image1->setPixmap(QPixmap::fromImage(OptionsGlyph("PRICON")));
    lblTitle = MakeText(Client, 54, 12, QStringLiteral("Exporting your Diary "));
    Label1 = MakeText(Client, 54, 33, QStringLiteral("Please wait ..."));
    Bevel1 = new QFrame(Client);
    Bevel1->setGeometry(Client->rect());
    Bevel1->setFrameShape(QFrame::Box);
    Bevel1->setFrameShadow(QFrame::Sunken);
}

void ProgressWindow::Start(size_t entries)
{
    lblTitle->setText(QStringLiteral("Exporting %1 entries").arg(entries));
    if (const QWidget* owner = parentWidget()) {
        const QRect over = owner->frameGeometry();
        move(over.left() + (over.width() - width()) / 2, over.top() + (over.height() - height()) / 2);
    }
    show();
    repaint();
}
