#include "viewer/app/MainWindow.h"
#include "viewer/app/OpenGLProbe.h"
#include "viewer/app/SceneView.h"
#include "viewer/tour/TourRunner.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QSurfaceFormat>
#include <QTextStream>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("viewer"));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Gallery of the 3D widget library: drag the widgets, "
                                                    "watch the model follow and the signals arrive. While dragging, Esc or the "
                                                    "right button cancels, Shift moves finely and Ctrl drags without "
                                                    "snapping."));
    parser.addHelpOption();
    const QCommandLineOption tour(QStringLiteral("tour"),
                                  QStringLiteral("Run the scripted tour and write its pictures to <directory>."),
                                  QStringLiteral("directory"));
    const QCommandLineOption samples(QStringLiteral("samples"),
                                     QStringLiteral("Multisampling of the model (default: 4 on a GPU, 0 on a "
                                                    "software renderer); widgets always get 4."),
                                     QStringLiteral("count"));
    parser.addOption(tour);
    parser.addOption(samples);
    parser.addPositionalArgument(QStringLiteral("model"), QStringLiteral("An OBJ file to show instead of the default."));
    parser.process(app);

    const QString renderer = Viewer::OpenGLProbe::rendererName();
    const int modelSamples = parser.isSet(samples) ? parser.value(samples).toInt()
                                                   : (Viewer::OpenGLProbe::isSoftwareRenderer(renderer) ? 0 : 4);
    QSurfaceFormat::setDefaultFormat(Viewer::SceneView::preferredFormat(modelSamples));

    Viewer::MainWindow window;
    QTextStream out(stdout);
    if (!parser.positionalArguments().isEmpty()) {
        const QString model = parser.positionalArguments().constFirst();
        // The window explains a failure itself; the tour has no one to show it to.
        if (!window.openModel(model, parser.isSet(tour)) && parser.isSet(tour))
            out << "Cannot read " << model << ": showing the default model\n";
    }

    if (parser.isSet(tour)) {
        out << "OpenGL renderer: " << (renderer.isEmpty() ? QStringLiteral("none") : renderer) << "\n";
        return Viewer::TourRunner(window, parser.value(tour), out).run();
    }
    window.resize(1500, 950);
    window.showEntry(0);
    window.show();
    return app.exec();
}
