// The event a control raises when the user acts on it: the handler learns which control
// it was, so one handler can serve several controls without an object of its own.
#pragma once

#include <functional>

class TComponent;

using TNotifyEvent = std::function<void(TComponent* sender)>;
