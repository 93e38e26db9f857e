#pragma once

#include "common/erreurs.h"

#include <QString>

#include <exception>
#include <functional>

namespace bilobe::ui {

// Runs an event handler's body; a run-time error (or an invalid fuselage
// file) ends it and is shown in a French message, so that no exception ever leaves a handler. Returns false
// when the body failed.
bool sans_exception(const std::function<void()>& corps, const std::function<void(const QString&)>& montrer);

} // namespace bilobe::ui
