// samvidra-site: the maker's web site of Samvidra, served from a folder of pages, keeping the
// forms it receives.
//
//   samvidra-site --root DIR --db FILE [--host 127.0.0.1] [--port 8642]
//
// With --port 0 it takes any free port. It prints the address it listens on to standard output,
// one line per request to standard error, and stops cleanly on SIGINT and SIGTERM.

#include "content_root.h"
#include "form_decoding.h"
#include "post_store.h"

#include <httplib.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <set>
#include <sstream>
#include <string>
#include <thread>

namespace {

// The scripts that take forms: the feedback form and the usage report.
const std::set<std::string> formScripts = {"/metrika/samvidra/feedback.php",
                                           "/metrika/samvidra/stat.php"};
constexpr size_t maxFormBytes = 64 * 1024;

struct Options
{
    std::string root;
    std::string db;
    std::string host = "127.0.0.1";
    int port = 8642;
};

[[noreturn]] void usage(const char *problem)
{
    if (problem)
        std::fprintf(stderr, "samvidra-site: %s\n", problem);
    std::fprintf(stderr, "Использование: samvidra-site --root ПАПКА --db ФАЙЛ [--host 127.0.0.1] [--port 8642]\n");
    std::exit(problem ? 2 : 0);
}

Options parse(int argc, char *argv[])
{
    Options options;
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        if (argument == "--help" || argument == "-h")
            usage(nullptr);
        if (i + 1 >= argc)
            usage(("после " + argument + " нужно значение").c_str());
        const std::string value = argv[++i];
        if (argument == "--root")
            options.root = value;
        else if (argument == "--db")
            options.db = value;
        else if (argument == "--host")
            options.host = value;
        else if (argument == "--port") {
            char *end = nullptr;
            const long port = std::strtol(value.c_str(), &end, 10);
            if (*end != '\0' || port < 0 || port > 65535)
                usage(("неверный порт «" + value + "»").c_str());
            options.port = static_cast<int>(port);
        } else {
            usage(("неизвестный параметр «" + argument + "»").c_str());
        }
    }
    if (options.root.empty() || options.db.empty())
        usage("нужны --root и --db");
    return options;
}

std::string readFile(const std::filesystem::path &file)
{
    std::ifstream in(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void answerText(httplib::Response &res, int status, const std::string &text)
{
    res.status = status;
    res.set_content(text + "\n", "text/plain; charset=utf-8");
}

} // namespace

int main(int argc, char *argv[])
{
    const Options options = parse(argc, argv);
    const ContentRoot root(options.root);
    if (!root.valid()) {
        std::fprintf(stderr, "samvidra-site: папка страниц «%s» не найдена\n", options.root.c_str());
        return 2;
    }
    PostStore store;
    std::string error;
    if (!store.open(options.db, &error)) {
        std::fprintf(stderr, "samvidra-site: не открывается файл форм «%s»: %s\n", options.db.c_str(), error.c_str());
        return 1;
    }

    // SIGINT and SIGTERM are taken by one thread, which stops the server; every other thread,
    // the server's included, has them blocked.
    sigset_t stopSignals;
    sigemptyset(&stopSignals);
    sigaddset(&stopSignals, SIGINT);
    sigaddset(&stopSignals, SIGTERM);
    pthread_sigmask(SIG_BLOCK, &stopSignals, nullptr);

    httplib::Server server;
    // Without port sharing, so that a second copy on a busy port fails instead of splitting the
    // requests with the first.
    server.set_socket_options([](socket_t sock) {
        const int yes = 1;
        setsockopt(sock, SOL_SOCKET, SO_REUSEADDR, &yes, sizeof yes);
    });
    server.set_payload_max_length(maxFormBytes);
    server.set_logger([](const httplib::Request &req, const httplib::Response &res) {
        std::fprintf(stderr, "%s %s %s %d %zu\n", req.remote_addr.c_str(), req.method.c_str(),
                     req.path.c_str(), res.status, res.body.size());
    });

    server.Get(R"(.*)", [&root](const httplib::Request &req, httplib::Response &res) {
        const ContentRoot::Lookup found = root.find(req.path);
        switch (found.kind) {
        case ContentRoot::Kind::File:
            res.status = 200;
            res.set_content(readFile(found.file), ContentRoot::contentType(found.file).c_str());
            return;
        case ContentRoot::Kind::FolderWithoutSlash: {
            std::string target = req.path + "/";
            if (const size_t query = req.target.find('?'); query != std::string::npos)
                target += req.target.substr(query);
            res.set_redirect(target, 301);
            return;
        }
        case ContentRoot::Kind::Missing:
            answerText(res, 404, "Страница не найдена.");
            return;
        }
    });

    server.Post(R"(.*)", [&store](const httplib::Request &req, httplib::Response &res) {
        if (!formScripts.count(req.path)) {
            answerText(res, 404, "Здесь формы не принимаются.");
            return;
        }
        const std::string type = req.get_header_value("Content-Type");
        if (!type.empty() && type.rfind("application/x-www-form-urlencoded", 0) != 0) {
            answerText(res, 400, "Ожидается форма application/x-www-form-urlencoded.");
            return;
        }
        const std::optional<FormFields> fields = DecodeForm(req.body);
        if (!fields) {
            answerText(res, 400, "Форма не разобрана.");
            return;
        }
        std::string problem;
        if (!store.store(req.path, req.remote_addr, *fields, &problem)) {
            std::fprintf(stderr, "samvidra-site: форма не сохранена: %s\n", problem.c_str());
            answerText(res, 500, "Форма не сохранена.");
            return;
        }
        answerText(res, 200, "Спасибо, получено.");
    });

    int port = options.port;
    if (port == 0) {
        port = server.bind_to_any_port(options.host);
        if (port < 0)
            port = 0;
    } else if (!server.bind_to_port(options.host, port)) {
        port = 0;
    }
    if (port == 0) {
        std::fprintf(stderr, "samvidra-site: не удалось занять %s:%d — порт занят другой программой или адрес недоступен\n",
                     options.host.c_str(), options.port);
        return 1;
    }
    // The address goes to standard output, apart from the log, for whoever started the server.
    std::printf("samvidra-site: слушаю http://%s:%d/\n", options.host.c_str(), port);
    std::fflush(stdout);

    std::thread stopper([&server, stopSignals] {
        int signal = 0;
        sigwait(&stopSignals, &signal);
        server.stop();
    });
    server.listen_after_bind();
    // The listening ended by itself (not by a signal): let the stopper go too.
    pthread_kill(stopper.native_handle(), SIGTERM);
    stopper.join();
    std::fprintf(stderr, "samvidra-site: остановлен\n");
    return 0;
}
