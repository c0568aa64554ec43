#include "ui/support/game_files.h"

#include <QTest>

namespace zt::test {

ChosenFiles::ChosenFiles() {
    setGameFileChooserForTests([this](GameFileDialogKind kind, const QString& folder) {
        kinds.push_back(kind);
        folders << folder;
        if (names_.empty()) {
            QTest::qFail("the file dialog was opened with no answer queued", __FILE__, __LINE__);
            return QString();
        }
        const QString name = names_.front();
        names_.pop_front();
        return name;
    });
}

ChosenFiles::~ChosenFiles() {
    setGameFileChooserForTests({});
    if (!names_.empty())
        QTest::qFail("answers to the file dialog were left over", __FILE__, __LINE__);
}

} // namespace zt::test
