#pragma once

#include <array>

#include "forms/Pages.h"

class QWidget;

namespace rw {

class Dialogs;
class FormSet;
class PageView;

// A view per page, in the order of PageId.
using PageViews = std::array<PageView*, kPageCount>;

// The pages whose typed values the Calculations page's figures include.
inline constexpr std::array kFigureSources = {PageId::Body,    PageId::Engine,
                                              PageId::Gearbox, PageId::Driveline,
                                              PageId::Wheels,  PageId::Suspension};

// Creates the page views once, as children of `parent`, each over its form.
PageViews CreatePageViews(FormSet& forms, Dialogs& dialogs, QWidget* parent);

}  // namespace rw
