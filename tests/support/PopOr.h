#pragma once

#include <deque>

// The front of a scripted queue, taken off it, or otherwise once the script has run out.
template <typename T>
T PopOr(std::deque<T>& queue, T otherwise) {
    if (queue.empty()) return otherwise;
    const T front = queue.front();
    queue.pop_front();
    return front;
}
