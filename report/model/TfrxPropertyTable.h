#pragma once

#include "common/EnumSet.h"
#include "report/model/TfrxPropertyInfo.h"

#include <initializer_list>
#include <type_traits>

class TfrxComponent;

// Builds the property list of class C from accessor member functions: each call appends one
// property, the modifiers that follow apply to the last one.
//     TfrxPropertyTable<TfrxMemoView>(TfrxView::ClassProperties())
//         .Float("GapX", &TfrxMemoView::GetGapX, &TfrxMemoView::SetGapX)
//         .StoredWhen([](const TfrxMemoView& m) { return m.GetGapX() != 2; })
//         .Build();
template <class C> class TfrxPropertyTable {
public:
    TfrxPropertyTable() = default;
    explicit TfrxPropertyTable(const TfrxPropertyList& inherited) : FList(inherited) {}

    template <class G, class S = std::nullptr_t>
    TfrxPropertyTable& Integer(const char* name, G getter, S setter = nullptr)
    {
        return Add(pkInteger, name, "Integer", {}, getter, setter);
    }
    template <class G, class S = std::nullptr_t>
    TfrxPropertyTable& Float(const char* name, G getter, S setter = nullptr)
    {
        return Add(pkFloat, name, "Extended", {}, getter, setter);
    }
    template <class G, class S = std::nullptr_t>
    TfrxPropertyTable& String(const char* name, G getter, S setter = nullptr)
    {
        return Add(pkString, name, "String", {}, getter, setter);
    }
    template <class G, class S = std::nullptr_t>
    TfrxPropertyTable& Boolean(const char* name, G getter, S setter = nullptr)
    {
        return Add(pkBoolean, name, "Boolean", {"False", "True"}, getter, setter);
    }
    template <class G, class S = std::nullptr_t>
    TfrxPropertyTable& Color(const char* name, G getter, S setter = nullptr)
    {
        return Add(pkColor, name, "TColor", {}, getter, setter);
    }
    template <class G, class S = std::nullptr_t>
    TfrxPropertyTable& Strings(const char* name, G getter, S setter = nullptr)
    {
        return Add(pkStrings, name, "TStrings", {}, getter, setter);
    }
    template <class G, class S = std::nullptr_t>
    TfrxPropertyTable& Event(const char* name, G getter, S setter = nullptr)
    {
        return Add(pkEvent, name, "TfrxNotifyEvent", {}, getter, setter);
    }
    template <class G, class S = std::nullptr_t>
    TfrxPropertyTable& Variant(const char* name, G getter, S setter = nullptr)
    {
        return Add(pkVariant, name, "Variant", {}, getter, setter);
    }
    template <class G, class S = std::nullptr_t>
    TfrxPropertyTable& Enum(const char* name, const char* typeName, const QStringList& valueNames, G getter,
                            S setter = nullptr)
    {
        return Add(pkEnum, name, typeName, valueNames, getter, setter);
    }
    template <class G, class S = std::nullptr_t>
    TfrxPropertyTable& Set(const char* name, const char* typeName, const QStringList& elementNames, G getter,
                           S setter = nullptr)
    {
        return Add(pkSet, name, typeName, elementNames, getter, setter);
    }
    template <class G, class S = std::nullptr_t>
    TfrxPropertyTable& Reference(const char* name, const char* typeName, G getter, S setter = nullptr)
    {
        return Add(pkReference, name, typeName, {}, getter, setter);
    }

    // A nested object, reached through a non-const accessor returning a pointer.
    template <class R, class B>
    TfrxPropertyTable& Object(TfrxPropertyKind kind, const char* name, const char* typeName,
                              R* (B::*getter)())
    {
        TfrxPropertyInfo info;
        info.FName = QString::fromLatin1(name);
        info.FKind = kind;
        info.FTypeName = QString::fromLatin1(typeName);
        info.FObjectGetter = [getter](TfrxPersistent& o) -> TfrxPersistent* {
            return (static_cast<C&>(o).*getter)();
        };
        FList.Append(std::move(info));
        return *this;
    }

    // Appends the named properties of another class's list (a base class's), in the given order.
    TfrxPropertyTable& Take(const TfrxPropertyList& source, std::initializer_list<const char*> names)
    {
        for (const char* name : names) {
            const TfrxPropertyInfo* info = source.Find(QString::fromLatin1(name));
            Q_ASSERT_X(info, "TfrxPropertyTable::Take", name);
            FList.Append(*info);
        }
        return *this;
    }

    template <class T> TfrxPropertyTable& Default(T value)
    {
        FList.Last().FDefault = toVariant(value);
        return *this;
    }
    TfrxPropertyTable& StoredWhen(bool (*predicate)(const C&))
    {
        FList.Last().FStoredWhen = [predicate](const TfrxPersistent& o) {
            return predicate(static_cast<const C&>(o));
        };
        return *this;
    }
    TfrxPropertyTable& NeverStored()
    {
        FList.Last().FNeverStored = true;
        FList.Last().FStoredWhen = [](const TfrxPersistent&) { return false; };
        return *this;
    }
    TfrxPropertyTable& TypeName(const char* typeName)
    {
        FList.Last().FTypeName = QString::fromLatin1(typeName);
        return *this;
    }

    TfrxPropertyList Build() const { return FList; }

private:
    template <class T> struct IsSet : std::false_type {
    };
    template <class E> struct IsSet<TSet<E>> : std::true_type {
    };

    template <class M> struct SetterArg;
    template <class R, class B, class A> struct SetterArg<R (B::*)(A)> {
        using type = std::decay_t<A>;
    };

    template <class T> static QVariant toVariant(const T& value)
    {
        if constexpr (std::is_enum_v<T>)
            return QVariant(static_cast<int>(value));
        else if constexpr (IsSet<T>::value)
            return QVariant(static_cast<qulonglong>(value.bits()));
        else if constexpr (std::is_pointer_v<T>)
            return QVariant::fromValue(static_cast<TfrxComponent*>(value));
        else
            return QVariant(value);
    }

    template <class T> static T fromVariant(const QVariant& value)
    {
        if constexpr (std::is_enum_v<T>)
            return static_cast<T>(value.toInt());
        else if constexpr (IsSet<T>::value)
            return T::fromBits(value.toULongLong());
        else if constexpr (std::is_pointer_v<T>)
            return dynamic_cast<T>(value.value<TfrxComponent*>());
        else if constexpr (std::is_same_v<T, QVariant>)
            return value;
        else
            return value.value<T>();
    }

    template <class G, class S>
    TfrxPropertyTable& Add(TfrxPropertyKind kind, const char* name, const char* typeName,
                           const QStringList& valueNames, G getter, S setter)
    {
        TfrxPropertyInfo info;
        info.FName = QString::fromLatin1(name);
        info.FKind = kind;
        info.FTypeName = QString::fromLatin1(typeName);
        info.FValueNames = valueNames;
        info.FGetter = [getter](const TfrxPersistent& o) {
            return toVariant((static_cast<const C&>(o).*getter)());
        };
        if constexpr (!std::is_null_pointer_v<S>) {
            info.FSetter = [setter](TfrxPersistent& o, const QVariant& v) {
                (static_cast<C&>(o).*setter)(fromVariant<typename SetterArg<S>::type>(v));
            };
        }
        FList.Append(std::move(info));
        return *this;
    }

    TfrxPropertyList FList;
};
