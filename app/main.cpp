#include <QApplication>

#include <filesystem>
#include <system_error>

#include "views/main_window.h"
#include "platform/clock.h"
#include "platform/media_qt.h"
#include "platform/random.h"
#include "flow/program.h"

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Sumblitz"));

    sb::SystemClock clock;
    sb::StdRandom random(clock.seed());
    sb::QtSound sound;
    sb::QtPictures pictures;
    std::error_code ec;
    sb::Services services{random, clock,    sound,
                          pictures, sb::diskFileSystem(), std::filesystem::current_path(ec)};
    sb::Program program(services);

    sb::MainWindow window(program);
    QObject::connect(&pictures, &sb::QtPictures::pictureChanged, &window,
                     &sb::MainWindow::setPicture);
    pictures.show(sb::PictureId::Logo); // the logo stands in the picture until the first drill
    window.load();
    window.show();
    return app.exec();
}
