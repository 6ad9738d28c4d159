#pragma once
// Listeners told of one kind of event: how a part announces what happened to whoever connected,
// without knowing who that is. The answers of every game go through one of these (TAppContext::Answers).
#include "core/Answer.h"

#include <functional>
#include <utility>
#include <vector>

template <class TEvent>
class TAnnouncer {
public:
    using TListener = std::function<void(const TEvent&)>;

    // Listener is told of every later event, after the listeners connected before it.
    void Listen(TListener Listener) { FListeners.push_back(std::move(Listener)); }

    void Announce(const TEvent& Event) const
    {
        // A copy, so that a listener may connect another while it is told.
        const std::vector<TListener> listeners = FListeners;
        for (const TListener& listener : listeners) listener(Event);
    }

private:
    std::vector<TListener> FListeners;
};

using TAnswerAnnouncer = TAnnouncer<TAnswer>;
