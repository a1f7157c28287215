#pragma once

#include "report/model/TfrxObjectRef.h"
#include "report/model/TfrxPropertyInfo.h"

#include <QIODevice>
#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

class TfrxComponent;
class TfrxXMLItem;

// Turns trees of report objects into the elements of a template and back: one element per
// object, named by its class, with the object's stored properties as attributes (sub-objects as
// dotted names, "Font.Name"), nested collections as child elements. A serializer serves one
// operation on one stream.
class TfrxXMLSerializer {
public:
    explicit TfrxXMLSerializer(QIODevice* Stream = nullptr);

    // The attribute text of one object: ` Name="value"` per written property, with Add before every
    // name (empty for an object, "Font." and the like for its sub-objects); a memo's Text comes last.
    // Properties are written when they differ from their defaults or are always stored.
    QString ObjToXML(const TfrxPersistent& Obj, const QString& Add = QString()) const;
    // Applies attribute text to Obj pair by pair. A value that cannot be set leaves its property as
    // it was, adds its message to Errors, and the scan goes on; unknown names are ignored; references
    // wait in the fixups until the tree is read.
    void XMLToObj(const QString& s, TfrxPersistent& Obj);

    // Writes Root and, with SaveChildren, its descendants into XMLItem, or without one as a whole
    // document with indentation to Stream.
    void WriteRootComponent(const TfrxComponent& Root, bool SaveChildren = true,
                            TfrxXMLItem* XMLItem = nullptr, bool Streaming = false);
    // Reads into the existing Root from XMLItem, or from a document read whole from Stream (which
    // throws TfrxInvalidXMLException before anything changes when the document is not well formed).
    // Elements of unregistered classes are skipped with their children, each class noted in Errors.
    void ReadRootComponent(TfrxComponent& Root, TfrxXMLItem* XMLItem = nullptr);

    // A one-line component string: the class name and the attribute text, without Name.
    QString WriteComponentStr(const TfrxComponent& Obj) const;
    // A new object from a component string, owned by Root; none for an empty string or an
    // unregistered class. With DontFixup its references are dropped rather than resolved.
    TfrxComponent* ReadComponentStr(TfrxComponent* Root, const QString& s, bool DontFixup = false);
    // The component string as one element "<…/>" in UTF-8 on Stream, and back.
    void WriteComponent(const TfrxComponent& Obj);
    TfrxComponent* ReadComponent(TfrxComponent* Root);

    // For the objects that keep nested collections (TfrxComponent::WriteNestedProperties and
    // ReadNestedProperty): an element Name with one "item" child per item, and back, each "item"
    // child read into a new item that AddItem appends.
    void WriteCollection(TfrxXMLItem& Parent, const QString& Name,
                         const QList<const TfrxPersistent*>& Items) const;
    void ReadCollection(const TfrxXMLItem& Collection, const std::function<TfrxPersistent*()>& AddItem);

    // Where references are resolved; the root object when not set.
    TfrxComponent* GetOwner() const { return FOwner; }
    void SetOwner(TfrxComponent* Owner) { FOwner = Owner; }
    // Sorted, each message once.
    const QStringList& GetErrors() const { return FErrors; }
    // Writes ordinal and string properties also at their defaults (for comparison copies).
    bool GetSerializeDefaultValues() const { return FSerializeDefaultValues; }
    void SetSerializeDefaultValues(bool value) { FSerializeDefaultValues = value; }
    bool GetHandleNestedProperties() const { return FHandleNestedProperties; }
    void SetHandleNestedProperties(bool value) { FHandleNestedProperties = value; }
    // Set from the document read: its values are 8-bit text with UTF-8 inside memo texts.
    bool GetOldFormat() const { return FOldFormat; }
    void SetOldFormat(bool value) { FOldFormat = value; }

private:
    struct Fixup {
        TfrxPersistent* object;
        const TfrxPropertyInfo* property;
        QString name;
    };

    QString PropertyToXML(const TfrxPersistent& Obj, const TfrxPropertyInfo& property,
                          const QString& name) const;
    void ApplyAttribute(TfrxPersistent& Obj, const QString& name, const QString& value);
    bool ApplyShortForm(TfrxPersistent& object, const QString& name, const QString& value);
    void ApplyProperty(TfrxPersistent& object, const QString& name, const QString& value);
    QString MemoText(const QString& value) const;
    void AddError(const QString& message);
    void WriteItem(const TfrxComponent& object, TfrxXMLItem& item, bool isRoot, bool saveChildren,
                   bool streaming) const;
    void ReadItem(TfrxXMLItem& item, TfrxComponent* parent, TfrxComponent* root);
    TfrxComponent* ObjectForItem(const TfrxXMLItem& item, TfrxComponent* parent, TfrxComponent* root);
    void BeginLoading(TfrxComponent& object);
    void FixupReferences(const TfrxComponent* scope);
    void EndLoading();

    QIODevice* FStream;
    TfrxComponent* FOwner = nullptr;
    QStringList FErrors;
    QList<Fixup> FFixups;
    QList<TfrxObjectRef<TfrxComponent>> FLoading;
    bool FSerializeDefaultValues = false;
    bool FHandleNestedProperties = true;
    bool FOldFormat = false;
};
