#include <QApplication>
#include <QMainWindow>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QMainWindow w;
    w.setWindowTitle(
        "    Step1                Step2                 Step3                             "
        "Step4                                Step5");
    w.show();
    return app.exec();
}
