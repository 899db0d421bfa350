#pragma once
// A strong reference: holds a retain, and releases what it held when it is
// overwritten or destroyed.

#include "Object.h"

#include <utility>

template <class T>
class Strong {
public:
    Strong() = default;
    Strong(std::nullptr_t) { }
    Strong(T* object)
        : m_object(object)
    {
        objc_retain(m_object);
    }
    Strong(const Strong& other)
        : Strong(other.m_object)
    {
    }
    Strong(Strong&& other) noexcept
        : m_object(std::exchange(other.m_object, nullptr))
    {
    }
    ~Strong() { objc_release(m_object); }

    Strong& operator=(T* object)
    {
        // Retain first: storing the object already held must not free it.
        objc_retain(object);
        objc_release(std::exchange(m_object, object));
        return *this;
    }
    Strong& operator=(const Strong& other)
    {
        if (this != &other)
            *this = other.m_object;
        return *this;
    }
    Strong& operator=(Strong&& other) noexcept
    {
        if (this != &other)
            objc_release(std::exchange(m_object, std::exchange(other.m_object, nullptr)));
        return *this;
    }

    // Takes over a +1 reference (the result of alloc/init) without retaining.
    static Strong adopt(T* object)
    {
        Strong strong;
        strong.m_object = object;
        return strong;
    }

    T* get() const { return m_object; }
    operator T*() const { return m_object; }
    T* operator->() const { return m_object; }
    explicit operator bool() const { return m_object != nullptr; }

private:
    T* m_object = nullptr;
};

template <class T>
Strong<T> adopt(T* object)
{
    return Strong<T>::adopt(object);
}
