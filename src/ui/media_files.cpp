#include "ui/media_files.h"

#include <QDir>
#include <QSet>

#include <cstdio>

namespace zt {

QPixmap loadPicture(const QString& path) {
    QPixmap picture;
    if (!picture.load(path)) reportMissingFile(path);
    return picture;
}

void reportMissingFile(const QString& path) {
    static QSet<QString> reported;
    if (reported.contains(path)) return;
    reported.insert(path);
    std::fprintf(stderr,
                 "Zenthari Trader: %s is missing or cannot be read; playing on without it\n",
                 qPrintable(QDir::toNativeSeparators(path)));
    std::fflush(stderr);
}

} // namespace zt
