#pragma once

#include <QByteArray>
#include <QList>
#include <QMetaType>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <functional>
#include <vector>

// Property metadata of report objects and of the objects they own (fonts, frames, fills, option
// groups): for every property its name, kind, default, storage rule and accessors, in the order in
// which templates list the properties. The template serializer writes and reads objects through
// these tables, the object inspector lists and edits them, and Assign copies through them.
//
// Values travel as QVariant: integers, colours and enumeration ordinals as int, floats and date
// values as double, sets as qulonglong bits (bit n for the n-th value name), strings and event
// names as QString, string lists as QStringList, variants as themselves, references as
// TfrxComponent*. Nested objects are reached through GetObject and carry their own tables.

class TfrxComponent;
class TfrxPropertyList;

// References travel in QVariant also where TfrxComponent is only declared.
Q_DECLARE_OPAQUE_POINTER(TfrxComponent*)

enum TfrxPropertyKind {
    pkInteger,
    pkFloat,
    pkString,
    pkBoolean,
    pkEnum,
    pkSet,
    pkColor,
    pkStrings,
    pkEvent,
    pkReference,
    pkVariant,
    // nested objects
    pkFont,
    pkFrame,
    pkFill,
    pkPicture,
    pkObject
};

// A named block of bytes that an object keeps outside its property table (a picture's image).
struct TfrxBinaryProperty {
    QString name;
    QByteArray value;
};

// Base of every object that has a property table.
class TfrxPersistent {
public:
    TfrxPersistent() = default;
    TfrxPersistent(const TfrxPersistent&) = delete;
    TfrxPersistent& operator=(const TfrxPersistent&) = delete;
    virtual ~TfrxPersistent() = default;

    virtual QString GetClassName() const = 0;
    virtual const TfrxPropertyList& GetProperties() const = 0;

    virtual QList<TfrxBinaryProperty> GetBinaryProperties() const { return {}; }
    // Unknown names are ignored, as are blocks the object cannot decode.
    virtual void SetBinaryProperty(const QString& name, const QByteArray& value) {}
};

class TfrxPropertyInfo {
public:
    const QString& GetName() const { return FName; }
    TfrxPropertyKind GetKind() const { return FKind; }
    // The type as the designer knows it ("Extended", "TfrxHAlign", "TFont", "TfrxNotifyEvent").
    const QString& GetTypeName() const { return FTypeName; }
    // Enumeration values by ordinal, set elements by bit; "False", "True" for Booleans.
    const QStringList& GetValueNames() const { return FValueNames; }

    bool IsObject() const { return FKind >= pkFont; }
    bool IsReadOnly() const { return !FSetter; }

    // Invalid when the property declares no default: such ordinals are always written.
    const QVariant& GetDefault() const { return FDefault; }
    bool HasDefault() const { return FDefault.isValid(); }
    bool IsDefault(const TfrxPersistent& object) const;

    // The property's storage condition, before any comparison with its default.
    bool IsStored(const TfrxPersistent& object) const;
    // Never-stored properties are names or shorthands of other properties (Name, Color, URL,
    // Printable, Font.Size, the memo's Memo, which templates carry as Text).
    bool IsNeverStored() const { return FNeverStored; }

    QVariant GetValue(const TfrxPersistent& object) const;
    // Throws Exception for a read-only property.
    void SetValue(TfrxPersistent& object, const QVariant& value) const;

    TfrxPersistent* GetObject(TfrxPersistent& object) const;
    const TfrxPersistent* GetObject(const TfrxPersistent& object) const;

private:
    template <class C> friend class TfrxPropertyTable;

    QString FName;
    TfrxPropertyKind FKind = pkInteger;
    QString FTypeName;
    QStringList FValueNames;
    QVariant FDefault;
    bool FNeverStored = false;
    std::function<bool(const TfrxPersistent&)> FStoredWhen;
    std::function<QVariant(const TfrxPersistent&)> FGetter;
    std::function<void(TfrxPersistent&, const QVariant&)> FSetter;
    std::function<TfrxPersistent*(TfrxPersistent&)> FObjectGetter;
};

// The properties of one class, inherited ones first, in template order.
class TfrxPropertyList {
public:
    using const_iterator = std::vector<TfrxPropertyInfo>::const_iterator;

    int Count() const { return static_cast<int>(FItems.size()); }
    const TfrxPropertyInfo& At(int index) const { return FItems.at(index); }
    // Matched ignoring letter case; none when the class has no such property.
    const TfrxPropertyInfo* Find(const QString& name) const;

    const_iterator begin() const { return FItems.begin(); }
    const_iterator end() const { return FItems.end(); }

    void Append(TfrxPropertyInfo info) { FItems.push_back(std::move(info)); }
    TfrxPropertyInfo& Last() { return FItems.back(); }

private:
    std::vector<TfrxPropertyInfo> FItems;
};

// Copies every property of source into dest, matched by name, in source's order: value properties
// always (so the copy is exact also where a storage rule only encodes a default), nested objects
// when their storage condition holds for source (a font only when not inherited, a picture only
// while stored; a picture is copied whole, also when empty). Never-stored shorthands and names
// are left out, and so are read-only properties.
void frxCopyProperties(TfrxPersistent& dest, const TfrxPersistent& source);
