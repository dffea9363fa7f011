#include "windows/picker/MoodPickerDialog.h"

#include <QGuiApplication>
#include <QPushButton>
#include <QScreen>

#include <limits>

using widgets::controls::GridCoord;

namespace windows::picker {

namespace {

constexpr int ColCount = 4;
constexpr int RowCount = 3;
constexpr QSize CellSize(64, 64);

QFont WindowFont()
{
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(11);
    return font;
}

QPushButton* MakeButton(QWidget* parent, const QString& name, const QString& caption, int left)
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setGeometry(left, 204, 58, 21);
    return button;
}

} // namespace

int MoodPickerDialog::Choose(QWidget* owner, QPoint anchor, int current, const QList<QPixmap>& pictures)
{
    MoodPickerDialog picker(owner);
    picker.Prepare(anchor, current, pictures);
    picker.exec();
    return picker.chosen_;
}

MoodPickerDialog::MoodPickerDialog(QWidget* owner) : QDialog(owner)
{
    setObjectName("moodPickerDialog");
    setWindowTitle(QStringLiteral(" Clipart Selector"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint |
                   Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setFixedSize(264, 232);
    setFont(WindowFont());
    QPalette colours = palette();
    colours.setColor(QPalette::Window, QColor(0, 0, 113));
    setPalette(colours);
    setAutoFillBackground(true);

    pictureGrid_ = new windows::picker::PictureGrid(ColCount, RowCount, CellSize, this);
    pictureGrid_->setObjectName("pictureGrid");
    pictureGrid_->setGeometry(0, 0, 263, 198);
    pictureGrid_->setToolTip(QStringLiteral("Double click to select your image"));
    pictureGrid_->OnDoubleClick = [this](std::optional<GridCoord> cell) { OnGridDoubleClicked(cell); };

    selectButton_ = MakeButton(this, "selectButton", QStringLiteral("&Select"), 63);
    cancelButton_ = MakeButton(this, "cancelButton", QStringLiteral("&Cancel"), 143);
    connect(selectButton_, &QPushButton::clicked, this, &MoodPickerDialog::OnSelectClicked);
    connect(cancelButton_, &QPushButton::clicked, this, &QDialog::reject);
    pictureGrid_->setFocus();
}

void MoodPickerDialog::Prepare(QPoint anchor, int current, const QList<QPixmap>& pictures)
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    const int screenRight =
        screen ? screen->geometry().x() + screen->geometry().width() : std::numeric_limits<int>::max();
    move(PickerLeft(anchor.x(), width(), screenRight), anchor.y());
    chosen_ = current;
    pictureGrid_->SetPictures(pictures);
    pictureGrid_->SetCurrentPicture(current);
}

void MoodPickerDialog::OnSelectClicked()
{
    const int number = pictureGrid_->CurrentPicture();
    if (number < 0)
        return;
    chosen_ = number;
    accept();
}

void MoodPickerDialog::OnGridDoubleClicked(std::optional<GridCoord> cell)
{
    if (cell && *cell == pictureGrid_->Current())
        OnSelectClicked();
}

} // namespace windows::picker
