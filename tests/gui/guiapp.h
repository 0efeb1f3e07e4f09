#pragma once
// The one QApplication of the widget tests: made before the first test and deleted after the
// last, while Qt's own objects still exist (a QApplication left to the exit handlers outlives
// parts of Qt and crashes).
#include <QApplication>

QApplication& TestApplication();
