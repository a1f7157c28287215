#include "report/model/TfrxPropertyInfo.h"

#include "common/Exception.h"
#include "report/model/TfrxPicture.h"

bool TfrxPropertyInfo::IsDefault(const TfrxPersistent& object) const
{
    return HasDefault() && GetValue(object) == FDefault;
}

bool TfrxPropertyInfo::IsStored(const TfrxPersistent& object) const
{
    return !FStoredWhen || FStoredWhen(object);
}

QVariant TfrxPropertyInfo::GetValue(const TfrxPersistent& object) const
{
    return FGetter ? FGetter(object) : QVariant();
}

void TfrxPropertyInfo::SetValue(TfrxPersistent& object, const QVariant& value) const
{
    if (!FSetter)
        throw Exception(QStringLiteral("Property %1 is read-only").arg(FName));
    FSetter(object, value);
}

TfrxPersistent* TfrxPropertyInfo::GetObject(TfrxPersistent& object) const
{
    return FObjectGetter ? FObjectGetter(object) : nullptr;
}

const TfrxPersistent* TfrxPropertyInfo::GetObject(const TfrxPersistent& object) const
{
    // The accessors only hand out the owned object; reaching it does not change the owner.
    return GetObject(const_cast<TfrxPersistent&>(object));
}

const TfrxPropertyInfo* TfrxPropertyList::Find(const QString& name) const
{
    for (const auto& info : FItems)
        if (info.GetName().compare(name, Qt::CaseInsensitive) == 0)
            return &info;
    return nullptr;
}

void frxCopyProperties(TfrxPersistent& dest, const TfrxPersistent& source)
{
    const TfrxPropertyList& destProperties = dest.GetProperties();
    for (const TfrxPropertyInfo& property : source.GetProperties()) {
        if (property.IsNeverStored())
            continue;
        const TfrxPropertyInfo* target = destProperties.Find(property.GetName());
        if (!target || target->IsObject() != property.IsObject())
            continue;
        if (property.IsObject()) {
            if (!property.IsStored(source))
                continue;
            const TfrxPersistent* from = property.GetObject(source);
            TfrxPersistent* to = target->GetObject(dest);
            if (!from || !to)
                continue;
            if (property.GetKind() == pkPicture)
                static_cast<TfrxPicture*>(to)->Assign(*static_cast<const TfrxPicture*>(from));
            else
                frxCopyProperties(*to, *from);
        } else if (!target->IsReadOnly()) {
            target->SetValue(dest, property.GetValue(source));
        }
    }
}
