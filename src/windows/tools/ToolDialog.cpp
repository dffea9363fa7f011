#include "windows/tools/ToolDialog.h"

#include "windows/tools/ToolsGlyphs.h"
#include "widgets/controls/SkinPictures.h"

#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QWindow>

namespace {

constexpr int TopHeight = 45;
const QColor TitleColour(0xFF, 0xFF, 0xF0);

// A picture over its place that takes no part in the mouse's doings.
StretchedPicture* MakePicture(QWidget* parent, const QRect& bounds)
{
    auto* picture = new StretchedPicture(parent);
    picture->setGeometry(bounds);
    picture->setEnabled(false);
    picture->setAttribute(Qt::WA_TransparentForMouseEvents);
    return picture;
}

} // namespace

StretchedPicture::StretchedPicture(QWidget* parent) : QWidget(parent) {}

void StretchedPicture::SetPicture(const QImage& picture)
{
    picture_ = picture;
    update();
}

void StretchedPicture::paintEvent(QPaintEvent*)
{
    if (picture_.isNull())
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(rect(), picture_);
}

ToolDialog::ToolDialog(QWidget* owner, PackedResources& rStore, QSize clientSize)
    : QDialog(owner), rStore_(rStore)
{
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    setFixedSize(clientSize);
    setFocusPolicy(Qt::ClickFocus);
    setFont(widgets::ArialPixels(12));
    QPalette colours = palette();
    colours.setColor(QPalette::Window, Qt::black);
    colours.setColor(QPalette::WindowText, Qt::white);
    setPalette(colours);
    setAutoFillBackground(true);

    Image_Bck = MakePicture(this, {0, TopHeight, clientSize.width(), clientSize.height() - TopHeight});
    pnlTop = new QWidget(this);
    pnlTop->setGeometry(0, 0, clientSize.width(), TopHeight);
    pnlTop->setEnabled(false);
    pnlTop->setAttribute(Qt::WA_TransparentForMouseEvents);
    Image_Tp = MakePicture(pnlTop, pnlTop->rect());
    Image_Bar = MakePicture(pnlTop, {5, 5, clientSize.width() - 11, 12});
    Image_Bar->SetPicture(OptionsGlyph("OPBAR"));
    lblTitle = new QLabel(pnlTop);
    lblTitle->setGeometry(0, 19, clientSize.width(), 22);
    lblTitle->setAlignment(Qt::AlignCenter);
    lblTitle->setFont(widgets::ArialPixels(15, true));
    QPalette title = lblTitle->palette();
    // The panel is disabled; its title keeps its colour all the same.
    for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        title.setColor(group, QPalette::WindowText, TitleColour);
    lblTitle->setPalette(title);
}

void ToolDialog::ShowSkin(int skin)
{
    if (skin == shownSkin_)
        return;
    shownSkin_ = skin;
    Image_Bck->SetPicture(widgets::SkinPicture(rStore_, skin, widgets::SkinPart::Background));
    Image_Tp->SetPicture(widgets::SkinPicture(rStore_, skin, widgets::SkinPart::Top));
}

void ToolDialog::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape) {
        reject();
        return;
    }
    QDialog::keyPressEvent(event);
}

void ToolDialog::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    if (windowHandle() != nullptr && windowHandle()->startSystemMove())
        return;
    dragOffset_ = event->globalPosition().toPoint() - pos();
}

void ToolDialog::mouseMoveEvent(QMouseEvent* event)
{
    if (dragOffset_)
        move(event->globalPosition().toPoint() - *dragOffset_);
}

void ToolDialog::mouseReleaseEvent(QMouseEvent*)
{
    dragOffset_.reset();
}
