#include "windows/tools/ToolDialog.h"

#include "windows/tools/ToolsGlyphs.h"
#include "widgets/controls/SkinPictures.h"

#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QWindow>

using formats::resources::PackedResources;
using widgets::controls::ArialPixels;
using widgets::controls::SkinPart;
using widgets::controls::SkinPicture;

namespace windows::tools {

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

// A picture the window draws behind its controls (the layout check lets controls lie on it).
StretchedPicture::StretchedPicture(QWidget* parent) : QWidget(parent)
{
    setProperty("background", true);
}

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

ToolDialog::ToolDialog(QWidget* owner, PackedResources& resources, QSize clientSize)
    : QDialog(owner), resources_(resources)
{
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    setFixedSize(clientSize);
    setFocusPolicy(Qt::ClickFocus);
    setFont(ArialPixels(12));
    QPalette colours = palette();
    colours.setColor(QPalette::Window, Qt::black);
    colours.setColor(QPalette::WindowText, Qt::white);
    setPalette(colours);
    setAutoFillBackground(true);

    backPicture_ = MakePicture(this, {0, TopHeight, clientSize.width(), clientSize.height() - TopHeight});
    topPanel_ = new QWidget(this);
    topPanel_->setGeometry(0, 0, clientSize.width(), TopHeight);
    topPanel_->setEnabled(false);
    topPanel_->setAttribute(Qt::WA_TransparentForMouseEvents);
    topPicture_ = MakePicture(topPanel_, topPanel_->rect());
    barPicture_ = MakePicture(topPanel_, {5, 5, clientSize.width() - 11, 12});
    barPicture_->SetPicture(OptionsGlyph("OPBAR"));
    titleLabel_ = new QLabel(topPanel_);
    titleLabel_->setGeometry(0, 19, clientSize.width(), 22);
    titleLabel_->setAlignment(Qt::AlignCenter);
    titleLabel_->setFont(ArialPixels(15, true));
    QPalette title = titleLabel_->palette();
    // The panel is disabled; its title keeps its colour all the same.
    for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        title.setColor(group, QPalette::WindowText, TitleColour);
    titleLabel_->setPalette(title);
    backPicture_->setObjectName("backPicture");
    topPanel_->setObjectName("topPanel");
    topPicture_->setObjectName("topPicture");
    barPicture_->setObjectName("barPicture");
    titleLabel_->setObjectName("titleLabel");
}

void ToolDialog::SetTitle(const QString& title)
{
    titleLabel_->setText(title);
}

void ToolDialog::ShowSkin(int skin)
{
    if (skin == shownSkin_)
        return;
    shownSkin_ = skin;
    backPicture_->SetPicture(SkinPicture(resources_, skin, SkinPart::Background));
    topPicture_->SetPicture(SkinPicture(resources_, skin, SkinPart::Top));
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

} // namespace windows::tools
