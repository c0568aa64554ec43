#include "ui/support/virtual_screen.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryFile>

#include <cmath>
#include <memory>

namespace zt::test {

void useVirtualScreen(QSize logical, double scale) {
    // The offscreen platform reads its screens from a JSON file named in its argument; the
    // file lives as long as the program.
    static std::unique_ptr<QTemporaryFile> config;
    config = std::make_unique<QTemporaryFile>();
    if (!config->open()) qFatal("no file for the virtual screen");
    const QJsonObject screen{{"name", "virtual"},
                             {"x", 0},
                             {"y", 0},
                             {"width", int(std::lround(logical.width() * scale))},
                             {"height", int(std::lround(logical.height() * scale))},
                             {"logicalDpi", 96},
                             {"logicalBaseDpi", 96},
                             {"dpr", 1.0}};
    config->write(QJsonDocument(QJsonObject{{"screens", QJsonArray{screen}}}).toJson());
    config->flush();
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + config->fileName().toLocal8Bit());
    qputenv("QT_SCALE_FACTOR", QByteArray::number(scale));
}

} // namespace zt::test
