#include "ui/gameFileDialog.h"

#include "storage/saved_game.h"
#include "ui/look.h"

#include <QFileDialog>
#include <QFileInfo>

namespace zt {

namespace {
GameFileChooser& testChooser() {
    static GameFileChooser chooser;
    return chooser;
}

// The name as typed, with ".zht" added when it has no extension (the dots that start a
// hidden file's name do not make one).
QString withSavedGameExtension(const QString& file) {
    const QString name = QFileInfo(file).fileName();
    qsizetype start = 0;
    while (start < name.size() && name[start] == QLatin1Char('.'))
        ++start;
    if (start == name.size() || name.indexOf(QLatin1Char('.'), start) >= 0) return file;
    return file + QStringLiteral(".zht");
}

QString askInDialog(QWidget* parent, const QString& folder, GameFileDialogKind kind) {
    if (testChooser()) return testChooser()(kind, folder);
    QFileDialog dialog(parent, QString(), folder);
    dialog.setObjectName(QStringLiteral("Dialog"));
    // Qt's own dialog, so it wears the game's look on every desktop.
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    applySpaceLook(&dialog);
    dialog.setNameFilter(QString::fromLatin1(kSavedGameFilter));
    if (kind == GameFileDialogKind::Save) {
        dialog.setWindowTitle(QStringLiteral("Save Game"));
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
        dialog.setOption(QFileDialog::DontConfirmOverwrite);
    } else {
        dialog.setWindowTitle(QStringLiteral("Open Game"));
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(QFileDialog::ExistingFile);
    }
    dialog.resize(charsWide(&dialog, 108), linesHigh(&dialog, 28));
    if (dialog.exec() != QDialog::Accepted) return {};
    return dialog.selectedFiles().value(0);
}

} // namespace

QString chooseGameFile(QWidget* parent, const QString& folder, GameFileDialogKind kind) {
    const QString file = askInDialog(parent, folder, kind);
    return kind == GameFileDialogKind::Save ? withSavedGameExtension(file) : file;
}

void setGameFileChooserForTests(GameFileChooser chooser) {
    testChooser() = std::move(chooser);
}

} // namespace zt
