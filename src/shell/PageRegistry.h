#pragma once

#include <array>

#include "document/Pages.h"

class QWidget;

namespace rw {

class Dialogs;
class FormSet;
class PageView;

// A view per page, in the order of PageId.
using PageViews = std::array<PageView*, kPageCount>;

// Creates the page views once, as children of `parent`, each over its form.
PageViews CreatePageViews(FormSet& forms, Dialogs& dialogs, QWidget* parent);

}  // namespace rw
