// What the tools and about windows share: no title bar, moved by dragging the background,
// closed by Escape; a top strip with the skin's top picture, a decorative bar and a centred
// title; the skin's background below it. The pictures are disabled and let the mouse through,
// so that a press on them moves the window.
#pragma once

#include "widgets/controls/Fonts.h"

#include <QDialog>
#include <QImage>

#include <optional>

class QLabel;

namespace formats::resources {
class PackedResources;
} // namespace formats::resources

namespace windows::tools {

// A picture stretched over the whole widget, drawn alike whether the widget is enabled or not.
class StretchedPicture : public QWidget {
    Q_OBJECT

public:
    explicit StretchedPicture(QWidget* parent);

    void SetPicture(const QImage& picture);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage picture_;
};

class ToolDialog : public QDialog {
    Q_OBJECT

protected:
    // A window of the given client size, pictures in place; the controls go on top of them.
    ToolDialog(QWidget* owner, formats::resources::PackedResources& resources, QSize clientSize);

    // The centred title in the top strip.
    void SetTitle(const QString& title);

    // Shows the skin's pictures unless they are those of the skin already shown.
    void ShowSkin(int skin);

    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    formats::resources::PackedResources& resources_;
    StretchedPicture* backPicture_;
    QWidget* topPanel_;
    StretchedPicture* topPicture_;
    StretchedPicture* barPicture_;
    QLabel* titleLabel_;
    int shownSkin_ = -1;
    std::optional<QPoint> dragOffset_;
};

} // namespace windows::tools
