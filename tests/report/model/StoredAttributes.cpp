#include "StoredAttributes.h"

namespace {

bool isWritten(const TfrxPropertyInfo& property, const TfrxPersistent& object)
{
    switch (property.GetKind()) {
    case pkFloat:
    case pkStrings:
    case pkVariant:
        return true;
    case pkString:
    case pkEvent:
        return !property.GetValue(object).toString().isEmpty();
    case pkReference:
        return property.GetValue(object).value<TfrxComponent*>() != nullptr;
    default:
        return !property.HasDefault() || !property.IsDefault(object);
    }
}

} // namespace

QStringList storedAttributes(const TfrxPersistent& object, const QString& prefix)
{
    QStringList names;
    for (const TfrxPropertyInfo& property : object.GetProperties()) {
        if (!property.IsStored(object))
            continue;
        const QString name = prefix + property.GetName();
        if (property.IsObject()) {
            const TfrxPersistent* nested = property.GetObject(object);
            names += storedAttributes(*nested, name + QLatin1Char('.'));
            if (!nested->GetBinaryProperties().isEmpty())
                names.append(name + QLatin1String(".PropData"));
        } else if (isWritten(property, object)) {
            names.append(property.GetKind() == pkStrings ? name + QLatin1String(".Text") : name);
        }
    }
    return names;
}
