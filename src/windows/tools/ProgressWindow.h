// ProgressWindow: the small window shown, not modal, while the diary is exported or entries are
// imported: an icon, the number of entries and "Please wait ...".
#pragma once

#include <QDialog>

#include <cstddef>

class QFrame;
class QLabel;

namespace windows::tools {

class ProgressWindow : public QDialog {
    Q_OBJECT

public:
    explicit ProgressWindow(QWidget* owner);

    // Shows the window centred over its owner, telling how many entries are exported, and
    // paints it at once.
    void Start(size_t entries);
    // The same for an import of so many entries.
    void StartImport(size_t entries);

private:
    void ShowOverOwner();

    QWidget* client_;
    QLabel* icon_;
    QLabel* titleLabel_;
    QLabel* waitLabel_;
    QFrame* bevel_;
};

} // namespace windows::tools
