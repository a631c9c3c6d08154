// A read-only table of many rows, one line each (the error list, the
// import's preview): whole rows are chosen, nothing is edited, Tab leaves
// the table, and every row is one line high, so that the view never
// measures its rows, however many there are.
#pragma once

class QTableView;

namespace dorvik {

void setUpRowList(QTableView* table);

} // namespace dorvik
