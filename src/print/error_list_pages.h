// The error list on paper: its lines as written, in a fixed font that fits
// 79 columns across the page, each page headed
// "NAME - Lista na greski - strana N od M".
#pragma once

#include "platform/print_boxes.h"
#include "print/list_pages.h"

#include <QString>

#include <string_view>

class QPagedPaintDevice;

namespace dorvik {

inline constexpr int kListColumns = 79;

// The list's rows on the device's pages.
ListPages layOutListFor(const QPagedPaintDevice& device, std::string_view bytes);

// Draws the pages; calls step with the number of rows drawn after each page
// and stops, answering false, when it answers false.
bool drawErrorList(QPagedPaintDevice& device, const ListPages& pages, const QString& name,
                   const ProgressStep& step);

QString listPageHeading(const QString& name, int page, int pages);

} // namespace dorvik
