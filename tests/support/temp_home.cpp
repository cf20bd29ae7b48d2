#include "temp_home.h"

TempHome::TempHome() { store::Session::open(dir_.path()); }

TempHome::~TempHome() { store::Session::close(); }
