// The module that reads Evolution Data Server's address books through libebook. It is loaded only when the
// books are read, on the reading thread: libebook and the libraries it needs would otherwise be loaded at
// every start, before the wizard's first paint.

// GLib's headers come before Qt's: Qt's "signals" keyword would rename a GLib structure member.
#include <libebook/libebook.h>

#include "evolutionmodule.h"

#include <QFileInfo>

#include <memory>

namespace tavrin::contacts::evolutionmodule {

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

QByteArray contactUid(EContact* contact) {
    return QByteArray(static_cast<const char*>(e_contact_get_const(contact, E_CONTACT_UID)));
}

QByteArray vCardOf(EContact* contact) {
    gchar* vcard = e_vcard_to_string(E_VCARD(contact), EVC_FORMAT_VCARD_30);
    const QByteArray text(vcard);
    g_free(vcard);
    return text;
}

} // namespace

// One reading, and the means to cancel it from another thread.
struct Reader {
    GCancellable* cancellable = g_cancellable_new();
    ~Reader() { g_object_unref(cancellable); }

    Cards read();
    Cards readAll();
    void readBook(ESource* source, const QByteArray& selfUid, Cards& cards);
};

// The calls run on a main context of this thread's own, so that nothing they leave behind waits for the
// interface thread's loop.
Cards Reader::read() {
    if (!sessionBusConfigured())
        return {};
    GMainContext* context = g_main_context_new();
    g_main_context_push_thread_default(context);
    Cards cards = readAll();
    g_main_context_pop_thread_default(context);
    while (g_main_context_iteration(context, FALSE)) {
    }
    g_main_context_unref(context);
    return cards;
}

Cards Reader::readAll() {
    ErrorHolder failure;
    Ref<GDBusConnection> bus(g_bus_get_sync(G_BUS_TYPE_SESSION, cancellable, &failure.error));
    if (!bus || !registryRunning(bus.get(), cancellable))
        return {};
    Ref<ESourceRegistry> registry(e_source_registry_new_sync(cancellable, &failure.error));
    if (!registry)
        return {};
    const QByteArray selfUid = selfContactUid();
    Cards cards;
    GList* sources = e_source_registry_list_enabled(registry.get(), E_SOURCE_EXTENSION_ADDRESS_BOOK);
    for (GList* item = sources; item && !g_cancellable_is_cancelled(cancellable); item = item->next)
        readBook(E_SOURCE(item->data), selfUid, cards);
    g_list_free_full(sources, g_object_unref);
    return cards;
}

void Reader::readBook(ESource* source, const QByteArray& selfUid, Cards& cards) {
    Book book{QString::fromUtf8(e_source_get_display_name(source)), {}, {}};
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
    book.error = failure.message();
    for (GSList* item = failure.error ? nullptr : found; item; item = item->next) {
        EContact* contact = E_CONTACT(item->data);
        if (!selfUid.isEmpty() && contactUid(contact) == selfUid) {
            cards.selfBook = int(cards.books.size());
            cards.selfCard = int(book.cards.size());
        }
        book.cards.push_back(vCardOf(contact));
    }
    g_slist_free_full(found, g_object_unref);
    cards.books.push_back(std::move(book));
}

} // namespace tavrin::contacts::evolutionmodule

using tavrin::contacts::evolutionmodule::Cards;
using tavrin::contacts::evolutionmodule::Reader;

extern "C" {

TAVRIN_EVOLUTION_EXPORT void* tavrin_evolution_new() {
    return new Reader;
}

TAVRIN_EVOLUTION_EXPORT void tavrin_evolution_delete(void* reader) {
    delete static_cast<Reader*>(reader);
}

TAVRIN_EVOLUTION_EXPORT void tavrin_evolution_read(void* reader, Cards* cards) {
    *cards = static_cast<Reader*>(reader)->read();
}

TAVRIN_EVOLUTION_EXPORT void tavrin_evolution_cancel(void* reader) {
    g_cancellable_cancel(static_cast<Reader*>(reader)->cancellable);
}

} // extern "C"
