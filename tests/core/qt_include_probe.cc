// Compiled by the build's tests, not linked: a rules file that includes Qt.
#include <QString>
int probe() {
    return QString("x").size();
}
