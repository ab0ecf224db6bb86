#include "viewer/app/MainWindow.h"

#include "viewer/app/CameraStatusListener.h"
#include "viewer/app/ModelController.h"
#include "viewer/app/SceneView.h"
#include "viewer/app/SignalRecorder.h"
#include "viewer/gallery/GalleryItem.h"
#include "viewer/gallery/GalleryRegistry.h"
#include "viewer/gallery/SettingsForm.h"

#include "ui_widgets/framework/Widget3DEventHandler.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QDockWidget>
#include <QFileDialog>
#include <QFormLayout>
#include <QLabel>
#include <QListWidget>
#include <QMenuBar>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QScrollArea>
#include <QSettings>
#include <QStatusBar>
#include <QTime>
#include <QVBoxLayout>

#include <tuple>
#include <cmath>

namespace Viewer {

MainWindow::MainWindow(QWidget* parent)
    : QMainWindow(parent)
{
    setWindowTitle(tr("3D widget gallery"));
    m_view = new SceneView(this);
    setCentralWidget(m_view);

    m_model = std::make_unique<ModelController>(m_view->viewport().getScene());
    m_model->useDefaultModel();
    connect(m_model.get(), &ModelController::changed, m_view, qOverload<>(&QWidget::update));

    m_handler = std::make_unique<Velto::UiWidget::Widget3DEventHandler>(m_view, &m_view->viewport());
    m_view->setResponder(m_handler.get());
    // Every drag option on, so that the gallery shows them all; snapping goes in a round step of
    // about a twentieth of the model.
    m_handler->setCancelEnabled(true);
    m_handler->setPrecisionEnabled(true);
    m_handler->setSnapStep(std::pow(10.0f, std::round(std::log10(m_model->radius() / 20.0f))));
    m_handler->setScaleSnapStep(0.05f);
    m_handler->setValueLabelsEnabled(true);
    m_handler->setViewAlignedFade(true);
    connect(m_view, &SceneView::viewClicked, this, [this](const QPointF& position) {
        const QString placed = m_item ? m_item->click(position) : QString();
        if (!placed.isEmpty())
            appendLog(placed);
    });

    m_cameraListener = std::make_unique<CameraStatusListener>(
        [this](const QString& text) { statusBar()->showMessage(text); });
    m_view->camera().addCameraChangeListener(m_cameraListener.get());

    m_recorder = new SignalRecorder(
        [this](QObject* sender, const QString& signalName, const QStringList& values) {
            const QString className = sender ? QString::fromLatin1(sender->metaObject()->className()) : QString();
            appendLog(QStringLiteral("%1.%2(%3)")
                          .arg(className.mid(className.lastIndexOf(QLatin1Char(':')) + 1), signalName,
                               values.join(QStringLiteral(", "))));
        },
        this);

    buildMenus();
    buildDocks();
    resetCamera();
}

MainWindow::~MainWindow()
{
    // Widgets and the model leave the view's scene before the view goes.
    showEntry(-1);
    m_view->camera().removeCameraChangeListener(m_cameraListener.get());
    m_view->setResponder(nullptr);
    m_handler.reset();
    m_model.reset();
}

void MainWindow::buildMenus()
{
    QMenu* file = menuBar()->addMenu(tr("&File"));
    QAction* open = file->addAction(tr("&Open OBJ model..."));
    open->setShortcut(QKeySequence::Open);
    connect(open, &QAction::triggered, this, [this] {
        const QString path = QFileDialog::getOpenFileName(this, tr("Open model"), {}, tr("OBJ meshes (*.obj)"));
        if (!path.isEmpty())
            openModel(path);
    });
    QAction* defaultModel = file->addAction(tr("&Default model"));
    connect(defaultModel, &QAction::triggered, this, [this] {
        m_model->useDefaultModel();
        frameAll();
    });
    file->addSeparator();
    QAction* quit = file->addAction(tr("&Quit"));
    quit->setShortcut(QKeySequence::Quit);
    connect(quit, &QAction::triggered, this, &QWidget::close);

    QMenu* view = menuBar()->addMenu(tr("&View"));
    QAction* frame = view->addAction(tr("&Frame all"));
    frame->setShortcut(Qt::Key_F);
    connect(frame, &QAction::triggered, this, &MainWindow::frameAll);
    QAction* reset = view->addAction(tr("&Reset camera"));
    reset->setShortcut(Qt::Key_Home);
    connect(reset, &QAction::triggered, this, &MainWindow::resetCamera);
    QAction* resetModel = view->addAction(tr("Reset &model pose"));
    connect(resetModel, &QAction::triggered, this, [this] { m_model->resetPose(); });

    // Which axis of an OBJ file points up; the choice is remembered for the next start.
    QMenu* upAxis = view->addMenu(tr("Model &up axis"));
    auto* axes = new QActionGroup(upAxis);
    QSettings settings(QStringLiteral("uiwidgets"), QStringLiteral("viewer"));
    const bool storedZ = settings.value(QStringLiteral("model/upAxis")).toString() == QStringLiteral("Z");
    m_model->setUpAxis(storedZ ? ModelController::UpAxis::Z : ModelController::UpAxis::Y);
    for (const auto& [axis, label, key] :
         {std::tuple{ModelController::UpAxis::Y, tr("&Y up (OBJ convention)"), QStringLiteral("Y")},
          std::tuple{ModelController::UpAxis::Z, tr("&Z up"), QStringLiteral("Z")}}) {
        QAction* choice = upAxis->addAction(label);
        choice->setCheckable(true);
        choice->setChecked(m_model->upAxis() == axis);
        axes->addAction(choice);
        connect(choice, &QAction::triggered, this, [this, axis = axis, key = key] {
            QSettings(QStringLiteral("uiwidgets"), QStringLiteral("viewer")).setValue(QStringLiteral("model/upAxis"), key);
            m_model->setUpAxis(axis);
            showEntry(m_currentEntry);
            frameAll();
        });
    }
}

void MainWindow::buildDocks()
{
    auto* galleryDock = new QDockWidget(tr("Gallery"), this);
    galleryDock->setObjectName(QStringLiteral("gallery"));
    auto* galleryPanel = new QWidget;
    auto* galleryLayout = new QVBoxLayout(galleryPanel);
    m_gallery = new QListWidget;
    QString category;
    for (const GalleryEntry& entry : GalleryRegistry::entries()) {
        if (entry.category != category) {
            category = entry.category;
            auto* header = new QListWidgetItem(category);
            header->setFlags(Qt::NoItemFlags);
            QFont bold = header->font();
            bold.setBold(true);
            header->setFont(bold);
            m_gallery->addItem(header);
        }
        auto* item = new QListWidgetItem(QStringLiteral("  ") + entry.name);
        item->setData(Qt::UserRole, GalleryRegistry::indexOf(entry.name));
        item->setToolTip(entry.description);
        m_gallery->addItem(item);
    }
    connect(m_gallery, &QListWidget::currentItemChanged, this, [this](QListWidgetItem* item) {
        if (item && item->data(Qt::UserRole).isValid())
            showEntry(item->data(Qt::UserRole).toInt());
    });
    m_description = new QLabel;
    m_description->setWordWrap(true);
    galleryLayout->addWidget(m_gallery, 1);
    galleryLayout->addWidget(m_description);
    galleryPanel->setMinimumWidth(280);
    galleryDock->setWidget(galleryPanel);
    addDockWidget(Qt::LeftDockWidgetArea, galleryDock);

    auto* settingsDock = new QDockWidget(tr("Settings"), this);
    settingsDock->setObjectName(QStringLiteral("settings"));
    auto* scroll = new QScrollArea;
    scroll->setWidgetResizable(true);
    m_settingsHost = new QWidget;
    m_settingsLayout = new QFormLayout(m_settingsHost);
    scroll->setWidget(m_settingsHost);
    scroll->setMinimumWidth(280);
    settingsDock->setWidget(scroll);
    addDockWidget(Qt::RightDockWidgetArea, settingsDock);

    auto* logDock = new QDockWidget(tr("Signal log"), this);
    logDock->setObjectName(QStringLiteral("log"));
    m_log = new QPlainTextEdit;
    m_log->setReadOnly(true);
    m_log->setMaximumBlockCount(5000);
    m_log->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    logDock->setWidget(m_log);
    addDockWidget(Qt::BottomDockWidgetArea, logDock);
    resizeDocks({logDock}, {140}, Qt::Vertical);
}

void MainWindow::showEntry(int index)
{
    const auto& entries = GalleryRegistry::entries();
    if (m_item && m_item->signalSource())
        m_recorder->unwatch(m_item->signalSource());
    // The old settings rows call into the old item: they go first.
    while (m_settingsLayout && m_settingsLayout->rowCount() > 0)
        m_settingsLayout->removeRow(0);
    m_item.reset();
    m_currentEntry = -1;
    if (index >= 0 && index < static_cast<int>(entries.size())) {
        const GalleryEntry& entry = entries[static_cast<std::size_t>(index)];
        m_item = entry.create(GalleryContext{m_handler.get(), m_model.get()});
        m_currentEntry = index;
        if (m_item && m_item->signalSource())
            m_recorder->watch(m_item->signalSource());
        if (m_description)
            m_description->setText(entry.description);
        selectInGallery(index);
        appendLog(tr("-- %1 placed on the model").arg(entry.name));
    }
    rebuildSettings();
    m_view->update();
}

void MainWindow::selectInGallery(int index)
{
    if (!m_gallery)
        return;
    const QSignalBlocker blocker(m_gallery);
    for (int row = 0; row < m_gallery->count(); ++row) {
        const QVariant entry = m_gallery->item(row)->data(Qt::UserRole);
        if (entry.isValid() && entry.toInt() == index)
            m_gallery->setCurrentRow(row);
    }
}

void MainWindow::rebuildSettings()
{
    if (!m_settingsLayout || !m_item)
        return;
    SettingsForm form(m_settingsLayout);
    m_item->addSettings(form);
    addDragOptionSettings(form);
}

void MainWindow::addDragOptionSettings(SettingsForm& form)
{
    Velto::UiWidget::Widget3DEventHandler* handler = m_handler.get();
    form.addNote(tr("Drag options (every widget of the view)"));
    form.addCheckBox(tr("Esc or right button cancels"), handler->isCancelEnabled(),
                     [handler](bool on) { handler->setCancelEnabled(on); });
    form.addCheckBox(tr("Shift drags a tenth as far"), handler->isPrecisionEnabled(),
                     [handler](bool on) { handler->setPrecisionEnabled(on); });
    form.addNumber(tr("Snap step (0: off, Ctrl: free)"), 0.0, 100.0, handler->getSnapStep(), 0.01,
                   [handler](double step) { handler->setSnapStep(static_cast<float>(step)); });
    form.addNumber(tr("Scale snap step (0: off)"), 0.0, 1.0, handler->getScaleSnapStep(), 0.05,
                   [handler](double step) { handler->setScaleSnapStep(static_cast<float>(step)); });
    form.addCheckBox(tr("Distance and factor labels"), handler->areValueLabelsEnabled(),
                     [handler](bool on) { handler->setValueLabelsEnabled(on); });
    form.addCheckBox(tr("Fade axes that point at the eye"), handler->hasViewAlignedFade(),
                     [handler](bool on) { handler->setViewAlignedFade(on); });
    form.addNote(tr("While dragging: Esc or the right button puts everything back, Shift moves finely, "
                    "Ctrl drags without snapping."));
}

bool MainWindow::openModel(const QString& path, bool quiet)
{
    QString error;
    if (!m_model->loadObj(path, &error)) {
        const QString message = tr("Cannot open the model: %1.\nThe model shown (%2) stays.")
                                    .arg(error, m_model->modelName());
        appendLog(QStringLiteral("-- ") + QString(message).replace(QLatin1Char('\n'), QLatin1Char(' ')));
        if (!quiet) {
            // Window-modal and not blocking: the view keeps drawing the model it still shows.
            auto* box = new QMessageBox(QMessageBox::Warning, tr("Open model"), message, QMessageBox::Ok, this);
            box->setAttribute(Qt::WA_DeleteOnClose);
            box->open();
        }
        return false;
    }
    appendLog(tr("-- model %1 (%2 triangles)").arg(m_model->modelName()).arg(m_model->triangleCount()));
    const int entry = m_currentEntry;
    showEntry(entry);
    frameAll();
    return true;
}

void MainWindow::frameAll()
{
    // The sphere around the bounding box is loose for most shapes: frame a little inside it.
    m_view->camera().frame(m_model->center(), 0.8f * m_model->radius());
    m_view->update();
}

void MainWindow::resetCamera()
{
    const Lumo::float3 center = m_model->center();
    const float distance = 3.0f * m_model->radius();
    m_view->camera().lookAt(center + Lumo::float3{0.55f, -0.75f, 0.45f} * distance, center, {0.0f, 0.0f, 1.0f});
    frameAll();
}

void MainWindow::appendLog(const QString& line)
{
    if (m_log)
        m_log->appendPlainText(QTime::currentTime().toString(QStringLiteral("HH:mm:ss.zzz ")) + line);
}

int MainWindow::logLineCount() const
{
    return m_log ? m_log->document()->blockCount() : 0;
}

} // namespace Viewer
