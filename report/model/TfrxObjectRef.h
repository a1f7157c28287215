#pragma once

#include "report/model/TfrxComponent.h"

#include <memory>

// A reference from one report object to another (a memo's FlowTo, a page's DataSet) that reads
// as none once the referenced object is destroyed, so that no object is left pointing at freed
// memory when the designer deletes the target or a template is reloaded.
template <class T> class TfrxObjectRef {
public:
    T* Get() const { return FLifeToken.expired() ? nullptr : FObject; }
    void Set(T* object)
    {
        FObject = object;
        FLifeToken = object ? object->GetLifeToken() : std::weak_ptr<const void>();
    }

private:
    T* FObject = nullptr;
    std::weak_ptr<const void> FLifeToken;
};
