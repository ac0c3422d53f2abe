#pragma once
// Objects, components with owners, and string lists.

#include "vcl/Types.h"

#include <memory>
#include <string>
#include <vector>

namespace vcl {

// Root of every library object. Free() runs BeforeDestruction while the whole object is still
// alive (so OnDestroy handlers and window destruction see it intact), then deletes it; prefer
// it to a plain delete for components.
class TObject {
public:
    virtual ~TObject() = default;
    virtual void BeforeDestruction() {}
    // The class name without namespaces, e.g. "TMainForm" for a form class TMainForm.
    std::string ClassName() const;
};

// Deletes the object after BeforeDestruction; null is allowed.
void Free(TObject* object);
template <typename T>
void FreeAndNil(T*& object)
{
    T* old = object;
    object = nullptr;
    Free(old);
}

// An object that can take the value of another of its kind with Assign.
class TPersistent : public TObject {
public:
    // Copies source into this object; throws EConvertError-like Exception when the kinds differ.
    virtual void Assign(TPersistent* source);
};

enum TComponentStateItem { csLoading, csDesigning, csDestroying };
using TComponentState = Set<TComponentStateItem>;

// TComponent: an object with an owner. The owner frees the components it owns (last created
// first) when it is freed; a component freed earlier leaves its owner's list by itself.
class TComponent : public TPersistent {
public:
    explicit TComponent(TComponent* owner);
    ~TComponent() override;
    TComponent(const TComponent&) = delete;
    TComponent& operator=(const TComponent&) = delete;

    void BeforeDestruction() override;

    TComponent* Owner() const { return m_owner; }
    int ComponentCount() const { return static_cast<int>(m_components.size()); }
    TComponent* Components(int index) const;
    const std::string& Name() const { return m_name; }
    void SetName(const std::string& name) { m_name = name; }
    TComponentState ComponentState() const { return m_state; }
    int Tag() const { return m_tag; }
    void SetTag(int tag) { m_tag = tag; }

protected:
    TComponentState m_state;

private:
    void RemoveComponent(TComponent* component);

    TComponent* m_owner;
    std::vector<TComponent*> m_components;
    std::string m_name;
    int m_tag = 0;
};

// TStrings: an ordered list of strings. BeginUpdate/EndUpdate bracket many changes (controls
// redraw once); OnChange fires after each change outside an update.
class TStrings : public TPersistent {
public:
    virtual int Count() const = 0;
    virtual std::string Get(int index) const = 0;
    virtual void Put(int index, const std::string& text) = 0;
    virtual void Insert(int index, const std::string& text) = 0;
    virtual void Delete(int index) = 0;
    virtual void Clear() = 0;

    std::string operator[](int index) const { return Get(index); }
    std::string Strings(int index) const { return Get(index); }
    int Add(const std::string& text);
    int IndexOf(const std::string& text) const;  // case-insensitive, -1 when absent
    void BeginUpdate();
    void EndUpdate();
    int UpdateCount() const { return m_updateCount; }
    // Lines joined with "\r\n", each line terminated.
    std::string Text() const;
    // Splits at "\r\n", "\n" or "\r".
    void SetText(const std::string& text);
    // Replaces the content by the lines of the file; EFOpenError when it cannot be read.
    void LoadFromFile(const std::string& path);
    void Assign(TPersistent* source) override;

    TNotifyEvent OnChange;

protected:
    virtual void SetUpdateState(bool /*updating*/) {}
    void Changed();
    void CheckIndex(int index, int limit) const;

private:
    int m_updateCount = 0;
};

class TStringList : public TStrings {
public:
    int Count() const override { return static_cast<int>(m_items.size()); }
    std::string Get(int index) const override;
    void Put(int index, const std::string& text) override;
    void Insert(int index, const std::string& text) override;
    void Delete(int index) override;
    void Clear() override;

private:
    std::vector<std::string> m_items;
};

} // namespace vcl
