// Forced into every file of the rules library: the rules stay plain C++ so they can be
// tested and run without a display. Every Qt header opens with QT_BEGIN_NAMESPACE, so
// poisoning it (and the usual class names) turns a stray Qt include into a compile error.
#pragma once
#pragma GCC poison QT_BEGIN_NAMESPACE Q_OBJECT QObject QString QWidget
