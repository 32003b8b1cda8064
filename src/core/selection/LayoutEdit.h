#pragma once

#include "selection/TLayoutSeiteAusw.h"

namespace corvane {

// Editing the pages of an evaluation layout. Pages are 1-based; the page after the last one
// (Count + 1) is the empty new page the evaluation window shows at the end.

// A page whose first slot holds a diagram code 1..28.
bool IsDiagramPage(const TLayoutPage& page);
// A whole-page evaluation code 90..98.
bool IsWholePageCode(int code);
// Number of diagrams (codes 1..28) on a page.
int DiagramCount(const TLayoutPage& page);

// Adds an evaluation at page `page`. A diagram code goes into the first free slot of the
// page; when the page is full or lies beyond the last page, a new page is inserted there
// first (while fewer than 20 exist). A whole-page code takes the page when it is empty,
// otherwise a new page is inserted for it; with 20 pages it replaces the page's content.
// Returns false when nothing was placed.
bool AddEvaluation(TLayout& layout, int page, int code);
// Deletes page `page` (later pages move down); nothing beyond the last page.
void DeletePage(TLayout& layout, int page);
// Deletes the diagram in slot `slot` (1..4) of a page with more than one diagram (later slots
// move up; an empty slot stays empty); any other page is deleted whole.
void DeleteEvaluation(TLayout& layout, int page, int slot);

// Page code 98 (list of measured values) is printed landscape, every other page portrait.
bool IsLandscapeCode(int code);

} // namespace corvane
