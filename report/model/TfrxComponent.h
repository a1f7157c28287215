#pragma once

#include "common/Exception.h"
#include "report/model/TfrxFont.h"
#include "report/model/TfrxPropertyInfo.h"
#include "report/model/TfrxTypes.h"

#include <QIODevice>
#include <QList>
#include <QString>

#include <memory>

class TfrxPage;
class TfrxReport;
class TfrxXMLItem;
class TfrxXMLSerializer;

// Another object of the report already bears the name.
class EDuplicateName : public Exception {
public:
    using Exception::Exception;
};

// The name is not an identifier, or another component of the naming owner bears it.
class EComponentError : public Exception {
public:
    using Exception::Exception;
};

// Base of every report object: a node of the report tree with a name, bounds, a font and an
// ordered list of children that it owns. Positions and sizes are report pixels (96 per inch).
class TfrxComponent : public TfrxPersistent {
public:
    // With an owner, the object becomes the owner's last child and takes its font; the owner's
    // report becomes its naming owner. Without one, the caller owns the object.
    explicit TfrxComponent(TfrxComponent* AOwner = nullptr);
    // Detaches from the parent, then destroys the children.
    ~TfrxComponent() override;

    QString GetClassName() const override { return QStringLiteral("TfrxComponent"); }
    const TfrxPropertyList& GetProperties() const override { return ClassProperties(); }
    static const TfrxPropertyList& ClassProperties();

    const QString& GetName() const { return FName; }
    // Throws EDuplicateName, EComponentError or, for an inherited object, Exception; the old
    // name then stays. A name differing only in letter case from the current one is ignored.
    void SetName(const QString& AName);
    // BaseName + the smallest number that no object of the report bears.
    void CreateUniqueName();
    // Stem of automatically created names: the class name without "Tfrx" and "View".
    virtual QString GetBaseName() const;

    int GetTag() const { return FTag; }
    void SetTag(int value) { FTag = value; }
    int GetGroupIndex() const { return FGroupIndex; }
    void SetGroupIndex(int value) { FGroupIndex = value; }
    // The Description property; GetDescription is the display name of the object's kind.
    const QString& GetDescriptionText() const { return FDescription; }
    void SetDescription(const QString& value) { FDescription = value; }
    virtual QString GetDescription() const;

    double GetLeft() const { return FLeft; }
    double GetTop() const { return FTop; }
    double GetWidth() const { return FWidth; }
    double GetHeight() const { return FHeight; }
    // In design mode rfDontMove freezes Left and Top, rfDontSize Width and Height.
    void SetLeft(double value);
    void SetTop(double value);
    void SetWidth(double value);
    void SetHeight(double value);
    void SetBounds(double ALeft, double ATop, double AWidth, double AHeight);
    double GetAbsLeft() const;
    double GetAbsTop() const;

    TfrxComponent* GetParent() const { return FParent; }
    // Moves the object to the end of the new parent's children; throws Exception when the new
    // parent is the object itself or one of its descendants.
    void SetParent(TfrxComponent* AParent);
    const QList<TfrxComponent*>& GetObjects() const { return FObjects; }
    // Descendants depth first, each object before its children; the object itself not included.
    QList<TfrxComponent*> GetAllObjects() const;
    // The first of GetAllObjects named AName ignoring letter case; none for an empty name.
    TfrxComponent* FindObject(const QString& AName) const;
    TfrxReport* GetReport() const;
    TfrxPage* GetPage() const;

    TfrxFont* GetFont() { return FFont.get(); }
    const TfrxFont* GetFont() const { return FFont.get(); }
    void SetFont(const TfrxFont& value) { FFont->Assign(value); }
    bool GetParentFont() const { return FParentFont; }
    void SetParentFont(bool value);
    bool GetVisible() const { return FVisible; }
    void SetVisible(bool value) { FVisible = value; }
    TfrxRestrictions GetRestrictions() const { return FRestrictions; }
    void SetRestrictions(TfrxRestrictions value) { FRestrictions = value; }
    TfrxComponentStyles GetfrComponentStyle() const { return FfrComponentStyle; }

    bool GetIsDesigning() const { return FIsDesigning; }
    // Applies to the descendants too.
    void SetIsDesigning(bool value);
    bool GetIsLoading() const { return FIsLoading; }
    void SetIsLoading(bool value) { FIsLoading = value; }
    bool GetIsPrinting() const { return FIsPrinting; }
    void SetIsPrinting(bool value) { FIsPrinting = value; }
    bool GetIsWriting() const { return FIsWriting; }
    void SetIsWriting(bool value) { FIsWriting = value; }
    bool GetIsAncestor() const { return FIsAncestor; }
    void SetIsAncestor(bool value) { FIsAncestor = value; }
    bool GetAncestorOnlyStream() const { return FAncestorOnlyStream; }
    void SetAncestorOnlyStream(bool value) { FAncestorOnlyStream = value; }

    // Destroys the children; an inherited child is cleared and stays.
    virtual void Clear();
    // Places the child views by their Align (used after size changes).
    virtual void AlignChildren();

    // Copies the properties of Source (not its name), destroying this object's children first;
    // references to objects of another report are looked up by name in this one.
    void Assign(const TfrxComponent& Source);
    // Assign plus copies of Source's descendants; a copy whose name is taken keeps no name.
    void AssignAll(const TfrxComponent& Source);

    // Writes the object and, with SaveChildren, its descendants as a template document; with
    // SaveDefaultValues also the properties at their defaults.
    virtual void SaveToStream(QIODevice& Stream, bool SaveChildren = true, bool SaveDefaultValues = false,
                              bool Streaming = false);
    // Reads a template document into this object; messages of values that could not be set go to
    // the report's errors.
    virtual void LoadFromStream(QIODevice& Stream);
    // Objects that keep nested collections (csHandlesNestedProperties) write them as child elements
    // of their own element, and take back the child elements they recognise (returning true).
    virtual void WriteNestedProperties(TfrxXMLItem& Item, const TfrxXMLSerializer& Serializer) const {}
    virtual bool ReadNestedProperty(const TfrxXMLItem& Item, TfrxXMLSerializer& Serializer) { return false; }

    // Expires when the object is destroyed; references to report objects hold it.
    std::weak_ptr<const void> GetLifeToken() const { return FLifeToken; }

protected:
    // Copies what Assign copies; classes with data outside their property table extend it.
    virtual void AssignProperties(const TfrxComponent& Source);
    void IncludeComponentStyle(TfrxComponentStyle style) { FfrComponentStyle.include(style); }
    void ExcludeComponentStyle(TfrxComponentStyle style) { FfrComponentStyle.exclude(style); }
    // Puts a child at another place of the child list.
    void MoveChild(TfrxComponent* child, int index);
    void DeleteChildren();

private:
    friend class TfrxReport;

    void FontChanged();
    bool IsNameTaken(const QString& AName) const;
    void RemapForeignReferences();
    void CopyTree(const TfrxComponent& Source);

    QString FName;
    int FTag = 0;
    int FGroupIndex = 0;
    QString FDescription;
    double FLeft = 0;
    double FTop = 0;
    double FWidth = 0;
    double FHeight = 0;
    TfrxComponent* FParent = nullptr;
    QList<TfrxComponent*> FObjects;
    std::unique_ptr<TfrxFont> FFont;
    bool FParentFont = true;
    bool FVisible = true;
    TfrxRestrictions FRestrictions;
    TfrxComponentStyles FfrComponentStyle{csPreviewVisible};
    bool FIsDesigning = false;
    bool FIsLoading = false;
    bool FIsPrinting = false;
    bool FIsWriting = false;
    bool FIsAncestor = false;
    bool FAncestorOnlyStream = false;
    TfrxReport* FNamingOwner = nullptr;
    std::shared_ptr<const void> FLifeToken;
};
