#include "viewer/app/MainWindow.h"
#include "viewer/app/SceneView.h"
#include "viewer/tour/TourRunner.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QSurfaceFormat>
#include <QTextStream>

int main(int argc, char** argv)
{
    QCoreApplication::setApplicationName(QStringLiteral("viewer"));
    // Read before QApplication so that the format applies to every OpenGL context.
    int samples = 4;
    for (int i = 1; i + 1 < argc; ++i)
        if (QByteArray(argv[i]) == "--samples")
            samples = QByteArray(argv[i + 1]).toInt();
    QSurfaceFormat::setDefaultFormat(Viewer::SceneView::preferredFormat(samples));
    QApplication app(argc, argv);

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Gallery of the 3D widget library"));
    parser.addHelpOption();
    const QCommandLineOption tour(QStringLiteral("tour"),
                                  QStringLiteral("Run the scripted tour and write its pictures to <directory>."),
                                  QStringLiteral("directory"));
    const QCommandLineOption samplesOption(QStringLiteral("samples"),
                                           QStringLiteral("Multisampling samples per pixel (default 4)."),
                                           QStringLiteral("count"), QStringLiteral("4"));
    parser.addOption(tour);
    parser.addOption(samplesOption);
    parser.addPositionalArgument(QStringLiteral("model"), QStringLiteral("An OBJ file to show instead of the default."));
    parser.process(app);

    Viewer::MainWindow window;
    if (!parser.positionalArguments().isEmpty())
        window.openModel(parser.positionalArguments().constFirst(), parser.isSet(tour));

    if (parser.isSet(tour)) {
        QTextStream out(stdout);
        return Viewer::TourRunner(window, parser.value(tour), out).run();
    }
    window.resize(1500, 950);
    window.showEntry(0);
    window.show();
    return app.exec();
}
