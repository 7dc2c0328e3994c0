// Base of the drawing objects (pens, brushes, fonts, bitmaps). An object is
// "created" once it holds a description; a device context copies that
// description when the object is selected, so deleting a selected object
// never leaves the surface with a dangling reference.
#pragma once

#include "platform/core/afxtypes.h"

class CGdiObject {
public:
    CGdiObject() = default;
    virtual ~CGdiObject() = default;
    CGdiObject(const CGdiObject&) = delete;
    CGdiObject& operator=(const CGdiObject&) = delete;

    // Non-null while the object holds a description.
    void* GetSafeHandle() const noexcept { return m_created ? const_cast<CGdiObject*>(this) : nullptr; }
    operator void*() const noexcept { return GetSafeHandle(); }
    virtual BOOL DeleteObject()
    {
        const BOOL was = m_created ? TRUE : FALSE;
        m_created = false;
        return was;
    }
    bool IsStock() const noexcept { return m_stock; }

protected:
    // Creating over an existing description is refused, as the framework does.
    bool beginCreate() noexcept
    {
        if (m_created)
            return false;
        m_created = true;
        return true;
    }
    void markStock() noexcept { m_stock = true; m_created = true; }

private:
    bool m_created = false;
    bool m_stock = false;
};
