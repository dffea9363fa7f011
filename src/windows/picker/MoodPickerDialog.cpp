#include "windows/picker/MoodPickerDialog.h"

#include <QGuiApplication>
#include <QPainter>
#include <QPushButton>
#include <QScreen>

#include <limits>

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

QPushButton* MakeButton(QWidget* parent, const QString& caption, int left)
{
    auto* button = new QPushButton(caption, parent);
    button->setGeometry(left, 204, 58, 21);
    return button;
}

} // namespace

int MoodPickerDialog::Execute(QWidget* Owner, int X, int Y, int Current, const QList<QPixmap>& PictureList)
{
    MoodPickerDialog form(Owner);
    form.Prepare(X, Y, Current, PictureList);
    form.exec();
    return form.Selected;
}

MoodPickerDialog::MoodPickerDialog(QWidget* Owner) : QDialog(Owner)
{
    setObjectName("frmClipartSelect");
    setWindowTitle(QStringLiteral(" Clipart Selector"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint |
                   Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setFixedSize(264, 232);
    setFont(WindowFont());
    QPalette colours = palette();
    colours.setColor(QPalette::Window, QColor(0, 0, 113));
    setPalette(colours);
    setAutoFillBackground(true);

    DG = new picker::PictureGrid(this, ColCount, RowCount, CellSize);
    DG->setGeometry(0, 0, 263, 198);
    DG->setToolTip(QStringLiteral("Double click to select your image"));
    DG->OnDrawCell = [this](QPainter& painter, picker::GridCell cell, const QRect& rect) {
        DGDrawCell(painter, cell, rect);
    };
    DG->OnSelectCell = [this](picker::GridCell cell) { return DGSelectCell(cell); };
    DG->OnDblClick = [this] { btnSelectClick(); };

    btnSelect = MakeButton(this, QStringLiteral("&Select"), 63);
    btnCancel = MakeButton(this, QStringLiteral("&Cancel"), 143);
    connect(btnSelect, &QPushButton::clicked, this, &MoodPickerDialog::btnSelectClick);
    connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);
    DG->setFocus();
}

void MoodPickerDialog::Prepare(int X, int Y, int Current, const QList<QPixmap>& Images)
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    const int screenRight =
        screen ? screen->geometry().x() + screen->geometry().width() : std::numeric_limits<int>::max();
    move(PickerLeft(X, width(), screenRight), Y);
    Selected = Current;
    PictureList = Images;
    DG->SetCurrent(picker::CellOfPicture(Current, ColCount));
    DG->update();
}

bool MoodPickerDialog::HoldsPicture(picker::GridCell cell) const
{
    const int number = picker::PictureNumber(cell, ColCount);
    return number >= 0 && number < PictureList.size();
}

void MoodPickerDialog::DGDrawCell(QPainter& painter, picker::GridCell cell, const QRect& rect)
{
    painter.fillRect(rect, Qt::white);
    if (HoldsPicture(cell))
        painter.drawPixmap(rect.topLeft(), PictureList[picker::PictureNumber(cell, ColCount)]);
}

bool MoodPickerDialog::DGSelectCell(picker::GridCell cell)
{
    return HoldsPicture(cell);
}

void MoodPickerDialog::btnSelectClick()
{
    if (!HoldsPicture(DG->Current()))
        return;
    Selected = picker::PictureNumber(DG->Current(), ColCount);
    accept();
}
