// Says what a LibreOffice shows: a line per frame of the LibreOffice on the pipe, "shown" or "hidden" and
// the frame's title. The live tests run it as a separate process, so that it looks at LibreOffice over a
// connection of its own and not through the plugin under test.
//
//     officewindows <pipe name>

#include <com/sun/star/awt/XWindow2.hpp>
#include <com/sun/star/bridge/UnoUrlResolver.hpp>
#include <com/sun/star/container/XIndexAccess.hpp>
#include <com/sun/star/frame/Desktop.hpp>
#include <com/sun/star/frame/XFrame.hpp>
#include <com/sun/star/frame/XTitle.hpp>
#include <com/sun/star/lang/XComponent.hpp>
#include <cppuhelper/bootstrap.hxx>

#include <cstdio>
#include <cstdlib>
#include <string>

using namespace css;

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fputs("usage: officewindows <pipe name>\n", stderr);
        return 2;
    }
    // The type registries are LibreOffice's own.
    ::setenv("URE_BOOTSTRAP", "vnd.sun.star.pathname:" TAVRIN_LIVE_PROGRAM_DIR "/fundamentalrc", 1);
    try {
        const auto local = cppu::defaultBootstrap_InitialComponentContext();
        const std::string url = std::string("uno:pipe,name=") + argv[1] + ";urp;StarOffice.ComponentContext";
        const uno::Reference<uno::XComponentContext> remote(
            bridge::UnoUrlResolver::create(local)->resolve(rtl::OUString::createFromAscii(url.c_str())),
            uno::UNO_QUERY_THROW);
        const auto frames = frame::Desktop::create(remote)->getFrames();
        for (sal_Int32 i = 0; i < frames->getCount(); ++i) {
            uno::Reference<frame::XFrame> frame;
            frames->getByIndex(i) >>= frame;
            if (!frame.is())
                continue;
            const uno::Reference<awt::XWindow2> window(frame->getContainerWindow(), uno::UNO_QUERY);
            const uno::Reference<frame::XTitle> title(frame, uno::UNO_QUERY);
            std::printf("%s %s\n", window.is() && window->isVisible() ? "shown" : "hidden",
                        title.is() ? title->getTitle().toUtf8().getStr() : "");
        }
        std::fflush(stdout);
        // The bridge is left to the process's end: LibreOffice lets go of it when the pipe closes.
        std::_Exit(0);
    } catch (const uno::Exception& exception) {
        std::fprintf(stderr, "officewindows: %s\n", exception.Message.toUtf8().getStr());
        return 1;
    }
}
