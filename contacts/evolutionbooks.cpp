// GLib's headers come before Qt's: Qt's "signals" keyword would rename a GLib structure member.
#include <libebook/libebook.h>

#include "evolutionbooks.h"

#include "bookreaders.h"

#include <QByteArray>
#include <QFileInfo>

namespace tavrin::contacts {

namespace {

constexpr const char* RegistryBusName = "org.gnome.evolution.dataserver.Sources5";
constexpr int BusCallTimeoutMs = 2000;
// How long an address book's backend may take to come up.
constexpr guint ConnectWaitSeconds = 5;

template <class T> struct Unref {
    void operator()(T* object) const { g_object_unref(object); }
};
template <class T> using Ref = std::unique_ptr<T, Unref<T>>;

struct ErrorHolder {
    GError* error = nullptr;
    ~ErrorHolder() { g_clear_error(&error); }
    QString message() const { return error ? QString::fromUtf8(error->message) : QString(); }
};

// Without a session bus GLib would try to start one (dbus-launch); there is nothing to find then.
bool sessionBusConfigured() {
    if (!qEnvironmentVariableIsEmpty("DBUS_SESSION_BUS_ADDRESS"))
        return true;
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    return !runtime.isEmpty() && QFileInfo::exists(runtime + QStringLiteral("/bus"));
}

// Asked without starting it: a desktop that does not run EDS has no address books of GNOME's.
bool registryRunning(GDBusConnection* bus, GCancellable* cancellable) {
    ErrorHolder failure;
    GVariant* reply = g_dbus_connection_call_sync(
        bus, "org.freedesktop.DBus", "/org/freedesktop/DBus", "org.freedesktop.DBus", "NameHasOwner",
        g_variant_new("(s)", RegistryBusName), G_VARIANT_TYPE("(b)"), G_DBUS_CALL_FLAGS_NONE,
        BusCallTimeoutMs, cancellable, &failure.error);
    if (!reply)
        return false;
    gboolean owned = FALSE;
    g_variant_get(reply, "(b)", &owned);
    g_variant_unref(reply);
    return owned;
}

// The UID of the user's own card, as EDS's settings name it; empty when there is none or no settings.
QByteArray selfContactUid() {
    GSettingsSchemaSource* schemas = g_settings_schema_source_get_default();
    if (!schemas)
        return {};
    GSettingsSchema* schema =
        g_settings_schema_source_lookup(schemas, "org.gnome.evolution-data-server.addressbook", TRUE);
    if (!schema)
        return {};
    const bool hasKey = g_settings_schema_has_key(schema, "self-contact-uid");
    g_settings_schema_unref(schema);
    if (!hasKey)
        return {};
    Ref<GSettings> settings(g_settings_new("org.gnome.evolution-data-server.addressbook"));
    gchar* uid = g_settings_get_string(settings.get(), "self-contact-uid");
    const QByteArray result(uid);
    g_free(uid);
    return result;
}

QString contactUid(EContact* contact) {
    return QString::fromUtf8(static_cast<const char*>(e_contact_get_const(contact, E_CONTACT_UID)));
}

// Each card as vCard text, read by the same reader as a file: one name, address and e-mail rule.
BookContents contentsOf(EContact* contact, const QString& book) {
    gchar* vcard = e_vcard_to_string(E_VCARD(contact), EVC_FORMAT_VCARD_30);
    BookContents contents = readVCardBook(QByteArray(vcard), book);
    g_free(vcard);
    for (BookContact& entry : contents.contacts)
        entry.book = book;
    return contents;
}

} // namespace

struct EvolutionBooks::Private {
    GCancellable* cancellable = g_cancellable_new();
    ~Private() { g_object_unref(cancellable); }

    EvolutionReading readAll();
    void readBook(ESource* source, const QByteArray& selfUid, EvolutionReading& reading);
};

EvolutionBooks::EvolutionBooks() : d(std::make_unique<Private>()) {}
EvolutionBooks::~EvolutionBooks() = default;

void EvolutionBooks::cancel() {
    g_cancellable_cancel(d->cancellable);
}

// The calls run on a main context of this thread's own, so that nothing they leave behind waits for the
// interface thread's loop.
EvolutionReading EvolutionBooks::read() {
    if (!sessionBusConfigured())
        return {};
    GMainContext* context = g_main_context_new();
    g_main_context_push_thread_default(context);
    EvolutionReading reading = d->readAll();
    g_main_context_pop_thread_default(context);
    while (g_main_context_iteration(context, FALSE)) {
    }
    g_main_context_unref(context);
    return reading;
}

EvolutionReading EvolutionBooks::Private::readAll() {
    ErrorHolder failure;
    Ref<GDBusConnection> bus(g_bus_get_sync(G_BUS_TYPE_SESSION, cancellable, &failure.error));
    if (!bus || !registryRunning(bus.get(), cancellable))
        return {};
    Ref<ESourceRegistry> registry(e_source_registry_new_sync(cancellable, &failure.error));
    if (!registry)
        return {};
    const QByteArray selfUid = selfContactUid();
    EvolutionReading reading;
    GList* sources = e_source_registry_list_enabled(registry.get(), E_SOURCE_EXTENSION_ADDRESS_BOOK);
    for (GList* item = sources; item && !g_cancellable_is_cancelled(cancellable); item = item->next)
        readBook(E_SOURCE(item->data), selfUid, reading);
    g_list_free_full(sources, g_object_unref);
    return reading;
}

void EvolutionBooks::Private::readBook(ESource* source, const QByteArray& selfUid,
                                       EvolutionReading& reading) {
    const QString book = QString::fromUtf8(e_source_get_display_name(source));
    ErrorHolder failure;
    Ref<EClient> client(e_book_client_connect_sync(source, ConnectWaitSeconds, cancellable, &failure.error));
    GSList* found = nullptr;
    if (client) {
        EBookQuery* everyone = e_book_query_any_field_contains("");
        gchar* query = e_book_query_to_string(everyone);
        e_book_query_unref(everyone);
        e_book_client_get_contacts_sync(E_BOOK_CLIENT(client.get()), query, &found, cancellable,
                                        &failure.error);
        g_free(query);
    }
    if (failure.error) {
        reading.contents.problems.push_back({book, 0, failure.message()});
        g_slist_free_full(found, g_object_unref);
        return;
    }
    for (GSList* item = found; item; item = item->next) {
        EContact* contact = E_CONTACT(item->data);
        BookContents contents = contentsOf(contact, book);
        if (!selfUid.isEmpty() && contactUid(contact) == QString::fromUtf8(selfUid) &&
            !contents.contacts.empty())
            reading.self = contents.contacts.front();
        reading.contents.append(std::move(contents));
    }
    g_slist_free_full(found, g_object_unref);
}

} // namespace tavrin::contacts
