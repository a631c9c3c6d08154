// A document drawn as PDF into memory, so that it reaches the disk only
// through the safe writer, whole or not at all; and the pages it is drawn on.
#pragma once

#include "platform/print_boxes.h"

#include <QByteArray>
#include <QPageLayout>
#include <QString>

#include <optional>

class QPaintDevice;

namespace dorvik {

// An A4 page with margins of 15 mm all round.
QPageLayout a4Page(QPageLayout::Orientation orientation);

// The PDF's bytes; nothing when the drawing was cancelled.
std::optional<QByteArray> drawPdf(const QString& title, const QPageLayout& layout,
                                  const DrawDocument& draw);

// Lengths on a device: so many points (1/72 inch) in its pixels.
double pointsOn(const QPaintDevice& device, double points);

} // namespace dorvik
