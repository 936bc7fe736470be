#include "platform/childFormRegistry.h"

#include <QEventLoop>
#include <QHash>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPointer>
#include <QTimer>
#include <utility>

#include "platform/childForm.h"
#include "platform/dialogBehaviour.h"
#include "platform/titleBarRoom.h"

namespace childForms {
namespace {

struct Registry {
    QHash<QString, Factory> factories;
    QHash<QString, QPointer<ChildForm>> instances;
    QHash<QString, QPointer<QEventLoop>> modalLoops;
    QPointer<QMdiArea> area;
    int deletionHolds = 0;
    QList<QPointer<QWidget>> heldFrames;
};

Registry& registry()
{
    static Registry r;
    return r;
}

// Qt draws the close box only for a frame with a system menu.
constexpr Qt::WindowFlags kFrameFlags = Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                                        | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint;

QWidget* frameOf(ChildForm* form)
{
    if (auto* sub = qobject_cast<QMdiSubWindow*>(form->parentWidget())) return sub;
    return form;
}

// The forms have a fixed size and never stay on top of another: only the entries that
// mean something stay in the frame's system menu.
void keepMeaningfulSystemMenu(QMdiSubWindow* sub)
{
    QMenu* menu = sub->systemMenu();
    if (!menu) return;
    const QStringList meaningless = {QMdiSubWindow::tr("&Size"), QMdiSubWindow::tr("Stay on &Top")};
    for (QAction* action : menu->actions())
        if (meaningless.contains(action->text())) menu->removeAction(action);
}

// An unloaded form may live on while code that awaited an exchange in it unwinds, and
// events already under way would still reach it: the click a screen reader started a
// moment before, a timer's tick. It acts on none of them, as an unloaded form cannot.
void silence(ChildForm* form)
{
    for (QTimer* timer : form->findChildren<QTimer*>()) timer->stop();
    for (QObject* child : form->findChildren<QObject*>()) child->blockSignals(true);
}

} // namespace

bool registerFactory(const QString& name, Factory factory)
{
    registry().factories.insert(name, std::move(factory));
    return true;
}

bool isRegistered(const QString& name) { return registry().factories.contains(name); }

void setMdiArea(QMdiArea* area) { registry().area = area; }

QSize frameSizeFor(const QSize& clientSize)
{
    QMdiArea* area = registry().area;
    if (!area) return clientSize;
    auto* client = new QWidget;
    client->setFixedSize(clientSize);
    QMdiSubWindow* probe = area->addSubWindow(client, kFrameFlags);
    const QSize frame = probe->sizeHint();
    area->removeSubWindow(probe);
    delete probe;
    return frame;
}

ChildForm* find(const QString& name)
{
    auto it = registry().instances.find(name);
    if (it == registry().instances.end()) return nullptr;
    return it->data();
}

ChildForm* load(const QString& name)
{
    if (ChildForm* existing = find(name)) return existing;
    auto factory = registry().factories.find(name);
    if (factory == registry().factories.end()) return nullptr;
    ChildForm* form = (*factory)();
    registry().instances.insert(name, form);
    if (registry().area) {
        QMdiSubWindow* sub = registry().area->addSubWindow(form, kFrameFlags);
        // A form whose size is ours grows until its frame's title bar shows the caption
        // whole; the frame then takes the new width.
        if (form->hasOwnSize()) {
            form->setFixedWidth(form->width() + titleBarShortfall(sub, form->windowTitle(), form->width()));
            sub->adjustSize();
        }
        keepMeaningfulSystemMenu(sub);
        // Every form opens at the area's top left. Left to itself the area would put a
        // form loaded while another is shown (the connect form, at start-up) out of
        // that form's way, in a corner.
        sub->move(0, 0);
        // Closing the frame unloads the form like VB's close box does.
        sub->setAttribute(Qt::WA_DeleteOnClose, false);
        // A form unloaded and shown again has a new instance by the time the old
        // frame is deleted: forget only the instance that frame held.
        QObject::connect(sub, &QObject::destroyed, [name, form] {
            auto it = registry().instances.find(name);
            if (it != registry().instances.end() && (it->isNull() || it->data() == form))
                registry().instances.erase(it);
        });
    }
    return form;
}

ChildForm* show(const QString& name)
{
    ChildForm* form = load(name);
    if (!form) return nullptr;
    QWidget* frame = frameOf(form);
    form->show();
    frame->show();
    frame->raise();
    form->Form_Activate();
    return form;
}

void showModal(const QString& name, const std::function<void(ChildForm*)>& prepare)
{
    unload(name);
    auto factory = registry().factories.find(name);
    if (factory == registry().factories.end()) return;
    ChildForm* form = (*factory)();
    registry().instances.insert(name, form);
    QWidget* owner = registry().area ? registry().area->window() : nullptr;
    makeDialog(form, owner);
    if (prepare) prepare(form);
    if (owner) {
        const QRect over = owner->frameGeometry();
        form->move(over.x() + (over.width() - form->width()) / 2, over.y() + (over.height() - form->height()) / 2);
    }
    QEventLoop loop;
    registry().modalLoops.insert(name, &loop);
    QObject::connect(form, &QObject::destroyed, &loop, &QEventLoop::quit);
    form->show();
    form->Form_Activate();
    if (registry().modalLoops.value(name) == &loop) loop.exec();
    if (registry().modalLoops.value(name) == &loop) registry().modalLoops.remove(name);
}

void hide(const QString& name)
{
    if (ChildForm* form = find(name)) frameOf(form)->hide();
}

void unload(const QString& name)
{
    ChildForm* form = find(name);
    if (!form) return;
    registry().instances.remove(name);
    form->unloaded_ = true;
    if (QPointer<QEventLoop> loop = registry().modalLoops.take(name)) loop->quit();
    form->Form_Unload();
    silence(form);
    QWidget* frame = frameOf(form);
    frame->hide();
    if (registry().deletionHolds > 0) registry().heldFrames.append(frame);
    else frame->deleteLater();
}

bool stillLoaded(const QObject* object)
{
    if (!object) return false;
    const auto* form = qobject_cast<const ChildForm*>(object);
    return !form || !form->isUnloaded();
}

DeletionHold::DeletionHold() { ++registry().deletionHolds; }

DeletionHold::~DeletionHold()
{
    if (--registry().deletionHolds > 0) return;
    // Posted from the code that held: Qt delivers it only once that code has returned
    // to the event loop it was called from.
    for (const QPointer<QWidget>& frame : std::exchange(registry().heldFrames, {}))
        if (frame) frame->deleteLater();
}

} // namespace childForms
