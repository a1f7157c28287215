#include "report/model/TfrxXMLSerializer.h"

#include "common/Exception.h"
#include "report/model/PropData.h"
#include "report/model/PropertyText.h"
#include "report/model/ReportErrors.h"
#include "report/model/TfrxClassRegistry.h"
#include "report/model/TfrxCustomMemoView.h"
#include "report/model/TfrxReport.h"
#include "report/model/resources/TfrxResources.h"
#include "report/model/xml/AnsiCodePage.h"
#include "report/model/xml/TfrxInvalidXMLException.h"
#include "report/model/xml/TfrxXMLDocument.h"
#include "report/model/xml/TfrxXMLItem.h"
#include "report/model/xml/TfrxXMLReader.h"
#include "report/model/xml/XMLEscaping.h"

namespace {

bool sameText(const QString& a, QLatin1String b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

bool isBlank(QChar c)
{
    return c.unicode() <= ' ';
}

QString attribute(const QString& name, const QString& value)
{
    return u' ' + name + QLatin1String("=\"") + EscapeAttributeValue(value) + u'"';
}

QString cantFindClassMessage(const QString& className)
{
    return frxGet(QStringLiteral("xrCantFindClass")) + u' ' + className;
}

bool handlesNestedProperties(const TfrxComponent& object)
{
    return object.GetfrComponentStyle().contains(csHandlesNestedProperties);
}

// The Name attribute of an element, none when it cannot be read.
QString elementObjectName(const TfrxXMLItem& item)
{
    try {
        return item.GetProp(QStringLiteral("Name"));
    } catch (const Exception&) {
        return {};
    }
}

} // namespace

TfrxXMLSerializer::TfrxXMLSerializer(QIODevice* Stream) : FStream(Stream) {}

QString TfrxXMLSerializer::ObjToXML(const TfrxPersistent& Obj, const QString& Add) const
{
    QString text;
    for (const TfrxPropertyInfo& property : Obj.GetProperties())
        if (property.IsStored(Obj))
            text += PropertyToXML(Obj, property, Add + property.GetName());
    if (const auto* memo = dynamic_cast<const TfrxCustomMemoView*>(&Obj))
        text += attribute(Add + QLatin1String("Text"), joinLines(memo->GetMemo()));
    const QList<TfrxBinaryProperty> blocks = Obj.GetBinaryProperties();
    if (!blocks.isEmpty())
        text += attribute(Add + QLatin1String("PropData"), encodePropData(blocks));
    return text;
}

QString TfrxXMLSerializer::PropertyToXML(const TfrxPersistent& Obj, const TfrxPropertyInfo& property,
                                         const QString& name) const
{
    if (property.IsObject()) {
        const TfrxPersistent* nested = property.GetObject(Obj);
        return nested ? ObjToXML(*nested, name + u'.') : QString();
    }
    const QVariant value = property.GetValue(Obj);
    switch (property.GetKind()) {
    case pkStrings:
        return attribute(name + QLatin1String(".Text"), joinLines(value.toStringList()));
    case pkReference: {
        const auto* target = value.value<TfrxComponent*>();
        return target && !target->GetName().isEmpty() ? attribute(name, target->GetName()) : QString();
    }
    case pkFloat:
    case pkVariant:
        return attribute(name, propertyValueToText(property, value));
    case pkString:
    case pkEvent:
        return value.toString().isEmpty() && !FSerializeDefaultValues ? QString()
                                                                      : attribute(name, value.toString());
    default:
        // Ordinals without a declared default are always written.
        if (property.IsDefault(Obj) && !FSerializeDefaultValues)
            return {};
        return attribute(name, propertyValueToText(property, value));
    }
}

void TfrxXMLSerializer::XMLToObj(const QString& s, TfrxPersistent& Obj)
{
    const qsizetype length = s.size();
    qsizetype at = 0;
    while (true) {
        while (at < length && isBlank(s[at]))
            ++at;
        const qsizetype equals = s.indexOf(u'=', at);
        if (equals < 0)
            break;
        qsizetype nameEnd = equals;
        while (nameEnd > at && isBlank(s[nameEnd - 1]))
            --nameEnd;
        if (nameEnd == at)
            break;
        const qsizetype open = s.indexOf(u'"', equals + 1);
        const qsizetype close = open < 0 ? -1 : s.indexOf(u'"', open + 1);
        if (close < 0)
            break;
        ApplyAttribute(Obj, s.mid(at, nameEnd - at), s.mid(open + 1, close - open - 1));
        at = close + 1;
    }
}

void TfrxXMLSerializer::ApplyAttribute(TfrxPersistent& Obj, const QString& name, const QString& value)
{
    try {
        // Each dotted segment but the last names a sub-object; a list of strings takes ".Text".
        const QStringList segments = name.split(u'.');
        TfrxPersistent* object = &Obj;
        qsizetype at = 0;
        for (; at + 1 < segments.size(); ++at) {
            const TfrxPropertyInfo* property = object->GetProperties().Find(segments[at]);
            if (!property)
                break;
            if (property->GetKind() == pkStrings && at + 2 == segments.size() &&
                sameText(segments[at + 1], QLatin1String("Text"))) {
                if (!property->IsReadOnly())
                    property->SetValue(*object, splitLines(UnescapeAttributeValue(value)));
                return;
            }
            object = property->IsObject() ? property->GetObject(*object) : nullptr;
            if (!object)
                return;
        }
        const QString propertyName = segments.mid(at).join(u'.');
        if (ApplyShortForm(*object, propertyName, value))
            return;
        if (sameText(propertyName, QLatin1String("PropData"))) {
            for (const TfrxBinaryProperty& block : decodePropData(value))
                object->SetBinaryProperty(block.name, block.value);
            return;
        }
        if (dynamic_cast<TfrxReport*>(object) && sameText(propertyName, QLatin1String("Name")))
            return;
        if (auto* memo = dynamic_cast<TfrxCustomMemoView*>(object);
            memo && sameText(propertyName, QLatin1String("Text"))) {
            memo->SetText(MemoText(value));
            return;
        }
        ApplyProperty(*object, propertyName, value);
    } catch (const Exception& error) {
        AddError(error.message());
    } catch (const std::exception& error) {
        AddError(QString::fromLocal8Bit(error.what()));
    }
}

bool TfrxXMLSerializer::ApplyShortForm(TfrxPersistent& object, const QString& name, const QString& value)
{
    auto* component = dynamic_cast<TfrxComponent*>(&object);
    if (!component || name.size() != 1)
        return false;
    auto* memo = dynamic_cast<TfrxCustomMemoView*>(component);
    switch (name.front().unicode()) {
    case 'l':
        component->SetLeft(textToFloat(value));
        return true;
    case 't':
        component->SetTop(textToFloat(value));
        return true;
    case 'w':
        component->SetWidth(textToFloat(value));
        return true;
    case 'h':
        component->SetHeight(textToFloat(value));
        return true;
    case 'x':
        if (memo)
            memo->SetText(UnescapeAttributeValue(value));
        return true;
    case 'u':
        if (memo)
            memo->SetText(MemoText(value));
        return true;
    default:
        return false;
    }
}

void TfrxXMLSerializer::ApplyProperty(TfrxPersistent& object, const QString& name, const QString& value)
{
    const TfrxPropertyInfo* property = object.GetProperties().Find(name);
    if (!property || property->IsReadOnly() || property->IsObject() || property->GetKind() == pkStrings)
        return;
    const QString text = UnescapeAttributeValue(value);
    if (property->GetKind() == pkReference)
        FFixups.append({&object, property, text});
    else
        property->SetValue(object, propertyValueFromText(*property, text));
}

QString TfrxXMLSerializer::MemoText(const QString& value) const
{
    const QString text = UnescapeAttributeValue(value);
    return FOldFormat ? decodeAnsiAsUtf8(text) : text;
}

void TfrxXMLSerializer::AddError(const QString& message)
{
    frxAddError(FErrors, message);
}

void TfrxXMLSerializer::WriteRootComponent(const TfrxComponent& Root, bool SaveChildren, TfrxXMLItem* XMLItem,
                                           bool Streaming)
{
    if (XMLItem) {
        WriteItem(Root, *XMLItem, true, SaveChildren, Streaming);
        return;
    }
    TfrxXMLDocument document;
    document.SetAutoIndent(true);
    WriteItem(Root, *document.GetRoot(), true, SaveChildren, Streaming);
    document.SaveToStream(*FStream);
}

void TfrxXMLSerializer::WriteItem(const TfrxComponent& object, TfrxXMLItem& item, bool isRoot,
                                  bool saveChildren, bool streaming) const
{
    item.SetName(object.GetIsAncestor() && !streaming ? QStringLiteral("inherited") : object.GetClassName());
    // Names are identifiers, so they need no escaping.
    item.SetText(isRoot ? ObjToXML(object)
                        : QLatin1String("Name=\"") + object.GetName() + u'"' + ObjToXML(object));
    if (FHandleNestedProperties && handlesNestedProperties(object))
        object.WriteNestedProperties(item, *this);
    if (!saveChildren)
        return;
    for (const TfrxComponent* child : object.GetObjects())
        WriteItem(*child, *item.Add(), false, true, streaming);
}

void TfrxXMLSerializer::ReadRootComponent(TfrxComponent& Root, TfrxXMLItem* XMLItem)
{
    TfrxXMLDocument document;
    if (!XMLItem) {
        document.LoadFromStream(*FStream);
        FOldFormat = document.GetOldVersion();
        XMLItem = document.GetRoot();
        // A declaration without any element is no template either.
        if (XMLItem->GetName().isEmpty())
            throw TfrxInvalidXMLException();
    }
    if (!FOwner)
        FOwner = &Root;
    try {
        ReadItem(*XMLItem, nullptr, &Root);
        FixupReferences(FOwner);
    } catch (...) {
        EndLoading();
        throw;
    }
    EndLoading();
}

void TfrxXMLSerializer::ReadItem(TfrxXMLItem& item, TfrxComponent* parent, TfrxComponent* root)
{
    const QString& name = item.GetName();
    // Data of a host application; this program has none.
    if (sameText(name, QLatin1String("FrxCustomData")))
        return;
    if (!sameText(name, QLatin1String("inherited")) && !frxClassRegistry().IsRegistered(name)) {
        AddError(cantFindClassMessage(name));
        return;
    }
    TfrxComponent* object = ObjectForItem(item, parent, root);
    if (!object)
        return;
    BeginLoading(*object);
    XMLToObj(item.GetText(), *object);
    const bool nested = FHandleNestedProperties && handlesNestedProperties(*object);
    for (int i = 0; i < item.GetCount(); ++i) {
        TfrxXMLItem& child = *item.GetItems(i);
        if (!nested || !object->ReadNestedProperty(child, *this))
            ReadItem(child, object, root);
    }
}

TfrxComponent* TfrxXMLSerializer::ObjectForItem(const TfrxXMLItem& item, TfrxComponent* parent,
                                                TfrxComponent* root)
{
    if (!parent)
        return root;
    // Names are unique within a report: a second element of the same name reads into the first's object.
    if (TfrxComponent* existing = FOwner->FindObject(elementObjectName(item)))
        return existing;
    if (sameText(item.GetName(), QLatin1String("inherited")))
        return nullptr;
    return frxClassRegistry().CreateObject(item.GetName(), parent);
}

void TfrxXMLSerializer::BeginLoading(TfrxComponent& object)
{
    object.SetIsLoading(true);
    TfrxObjectRef<TfrxComponent> reference;
    reference.Set(&object);
    FLoading.append(reference);
}

void TfrxXMLSerializer::FixupReferences(const TfrxComponent* scope)
{
    const QList<Fixup> fixups = std::exchange(FFixups, {});
    for (const Fixup& fixup : fixups)
        if (TfrxComponent* target = scope ? scope->FindObject(fixup.name) : nullptr)
            fixup.property->SetValue(*fixup.object, QVariant::fromValue(target));
}

void TfrxXMLSerializer::EndLoading()
{
    for (const TfrxObjectRef<TfrxComponent>& reference : std::exchange(FLoading, {}))
        if (TfrxComponent* object = reference.Get())
            object->SetIsLoading(false);
}

QString TfrxXMLSerializer::WriteComponentStr(const TfrxComponent& Obj) const
{
    return Obj.GetClassName() + ObjToXML(Obj);
}

TfrxComponent* TfrxXMLSerializer::ReadComponentStr(TfrxComponent* Root, const QString& s, bool DontFixup)
{
    const QString text = s.trimmed();
    if (text.isEmpty())
        return nullptr;
    const qsizetype space = text.indexOf(u' ');
    const QString className = space < 0 ? text : text.left(space);
    TfrxComponent* object = frxClassRegistry().CreateObject(className, Root);
    if (!object) {
        AddError(cantFindClassMessage(className));
        return nullptr;
    }
    BeginLoading(*object);
    XMLToObj(space < 0 ? QString() : text.mid(space + 1), *object);
    if (DontFixup)
        FFixups.clear();
    else
        FixupReferences(FOwner ? FOwner : Root);
    EndLoading();
    return object;
}

void TfrxXMLSerializer::WriteComponent(const TfrxComponent& Obj)
{
    const QByteArray element = '<' + WriteComponentStr(Obj).toUtf8() + "/>";
    if (FStream->write(element) != element.size())
        throw Exception(QStringLiteral("Stream write error"));
}

TfrxComponent* TfrxXMLSerializer::ReadComponent(TfrxComponent* Root)
{
    TfrxXMLItem item;
    {
        TfrxXMLReader reader(*FStream);
        reader.ReadRootItem(item);
    }
    return ReadComponentStr(Root, item.GetName() + u' ' + item.GetText());
}

void TfrxXMLSerializer::WriteCollection(TfrxXMLItem& Parent, const QString& Name,
                                        const QList<const TfrxPersistent*>& Items) const
{
    TfrxXMLItem* collection = Parent.Add(Name);
    for (const TfrxPersistent* item : Items)
        collection->Add(QStringLiteral("item"))->SetText(ObjToXML(*item));
}

void TfrxXMLSerializer::ReadCollection(const TfrxXMLItem& Collection,
                                       const std::function<TfrxPersistent*()>& AddItem)
{
    for (int i = 0; i < Collection.GetCount(); ++i) {
        const TfrxXMLItem& element = *Collection.GetItems(i);
        if (sameText(element.GetName(), QLatin1String("item")))
            XMLToObj(element.GetText(), *AddItem());
    }
}
