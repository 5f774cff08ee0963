#pragma once
// Hands a chart of the model to Qt Charts: its series, axes, titles and
// colours, nothing decided here. Also draws a chart into a picture without a
// window on screen, for "Opslaan als PNG", printing and valdero-cli.

#include <QImage>
#include <QSize>
#include <QString>
#include <memory>
#include <string>

QT_BEGIN_NAMESPACE
class QApplication;
class QChart;
QT_END_NAMESPACE

namespace valdero {

struct Grafiek;

// Replaces what the chart shows by the model's chart. `decimaalTeken` is the
// book's decimal separator, used for the values at the bars and the axes.
void VulChart(QChart& chart, const Grafiek& grafiek, char decimaalTeken);

// The chart drawn on a white picture of the given size (the model's size
// when empty).
QImage GrafiekBeeld(const Grafiek& grafiek, char decimaalTeken, QSize maat = {});

// A picture as the bytes of a PNG file.
QByteArray PngBytes(const QImage& beeld);

// The chart drawn as the bytes of a PNG file (empty when it could not be
// drawn); the caller writes them through the book's file port. Starts an
// offscreen Qt application first when none runs (the command-line tool), so
// it works without a display.
std::string GrafiekPng(const Grafiek& grafiek, char decimaalTeken);

// The command-line tool has no application of its own, and fonts, charts and
// printers need one: this starts it, offscreen when there is no display.
// Nothing when an application runs already.
std::unique_ptr<QApplication> StartApplicatieZonderScherm();

}  // namespace valdero
