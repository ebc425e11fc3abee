// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>
#include <new>
#include <type_traits>
#include <utility>

namespace ordnix {

// An allocator whose containers leave new elements of trivial types
// uninitialised on resize, for buffers that are overwritten at once (a file
// read straight into them) and would otherwise be cleared first for nothing.
template <class T>
class DefaultInitAllocator : public std::allocator<T> {
public:
    using std::allocator<T>::allocator;

    template <class U>
    void construct(U* p) noexcept(std::is_nothrow_default_constructible_v<U>)
    {
        ::new (static_cast<void*>(p)) U;
    }

    template <class U, class... Args>
    void construct(U* p, Args&&... args)
    {
        ::new (static_cast<void*>(p)) U(std::forward<Args>(args)...);
    }
};

} // namespace ordnix
