#pragma once

namespace kestrane {

struct AppContext;

// BuildMovieList: the names of CD root + "\movies\*.avi", upper-cased and in listing order, into
// MovieList (1-based) and MovieCount; a disc without movies gives an empty list. A listing that
// fails is reported as ER055 and tried again on Retry; Cancel ends the program (the list is then
// empty: check AppControl::endRequested).
void BuildMovieList(AppContext& context);

} // namespace kestrane
