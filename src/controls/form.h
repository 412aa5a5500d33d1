#pragma once

#include "controls/container.h"
#include "controls/control_set.h"
#include "controls/pointer_router.h"
#include "controls/twips.h"

#include <functional>
#include <map>
#include <memory>
#include <vector>

namespace controls {

// The client area of a window and the owner of every control in it. Controls are created in
// listing order: each one lies under those created before it in the same container, as a
// catalogue listed front to back reads.
class Form : public Container {
public:
    // `width` and `height` of the client area in twips.
    Form(float width, float height, float twipsPerPixel = kTwipsPerPixel);
    ~Form() override;

    float twipsPerPixel() const { return twipsPerPixel_; }
    float scaleLeft() const { return 0; }
    float scaleTop() const { return 0; }
    float scaleWidth() const { return width(); }
    float scaleHeight() const { return height(); }

    // Creates element `index` of the set `setName` (creating the set) inside `parent`.
    template <class T> T& create(Container& parent, const QString& setName, int index = 0) {
        ControlSet& target = setNamed(setName);
        auto control = std::make_unique<T>(&parent, target, index);
        T& made = *control;
        adopt(std::move(control), parent, Stacking::Back);
        return made;
    }

    // The set with that name, or nullptr.
    ControlSet* findSet(const QString& name) const;
    // The set with that name; a missing one ends the program, in every build.
    ControlSet& set(const QString& name) const;

    PointerRouter& router() { return router_; }

    // Every event by which a control of this window tells assistive technology of a change goes
    // through one function, so that tests can hear them where no screen reader runs.
    using Announcer = std::function<void(QAccessibleEvent&)>;
    void setAnnouncer(Announcer announcer) { announcer_ = std::move(announcer); }
    void announce(QAccessibleEvent& event) const { announcer_(event); }

    // Makes the widgets that windowed controls put off until needed, all at once (or none while no
    // such control is visible, with Deferred::Visible), and then tells the handler, which may
    // chain the focus through them. Nothing happens when there are none.
    enum class Deferred { All, Visible };
    void makeDeferredWidgets(Deferred which = Deferred::All);
    void setWidgetsMadeHandler(std::function<void()> handler) { widgetsMade_ = std::move(handler); }

private:
    friend class ControlSet;

    ControlSet& setNamed(const QString& name);
    Control& loadElement(const Control& first, int index);
    void adopt(std::unique_ptr<Control> control, Container& parent, Stacking stacking);

    float twipsPerPixel_;
    std::map<QString, std::unique_ptr<ControlSet>> sets_;
    std::vector<std::unique_ptr<Control>> owned_;
    PointerRouter router_;
    std::function<void()> widgetsMade_;
    Announcer announcer_ = [](QAccessibleEvent& event) {
        QAccessible::updateAccessibility(&event);
    };
};

template <class T> SetOf<T>::SetOf(const Form& form, const QString& name) : set_(&form.set(name)) {
    const Control* first = set_->first();
    if (!first || first->kind() != T::kKind)
        badSet(name, "is not of the kind its code expects");
}

} // namespace controls
