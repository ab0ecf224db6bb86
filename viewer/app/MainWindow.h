#pragma once

#include "viewer/gallery/GalleryContext.h"

#include <QMainWindow>

#include <memory>

class QFormLayout;
class QLabel;
class QListWidget;
class QPlainTextEdit;
class QWidget;

namespace Velto::UiWidget {
class Widget3DEventHandler;
}

namespace Viewer {

class CameraStatusListener;
class GalleryItem;
class ModelController;
class SettingsForm;
class SceneView;
class SignalRecorder;

// The example host: the 3D view in the middle; on the left the gallery of every widget class;
// on the right the settings of the chosen one; below, the log of every signal it sends. The
// model is the procedural default until File > Open loads an OBJ file. F frames the model.
class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    explicit MainWindow(QWidget* parent = nullptr);
    ~MainWindow() override;

    SceneView* sceneView() const { return m_view; }
    ModelController& model() const { return *m_model; }
    Velto::UiWidget::Widget3DEventHandler* eventHandler() const { return m_handler.get(); }

    // Places gallery entry `index` on the model, replacing the one shown; -1 shows none.
    void showEntry(int index);
    int currentEntry() const { return m_currentEntry; }
    GalleryItem* currentItem() const { return m_item.get(); }

    // False when the file cannot be read: the model stays, the log and (unless `quiet`) a
    // message box over the window say why.
    bool openModel(const QString& path, bool quiet = false);
    void frameAll();
    void resetCamera();

    int logLineCount() const;
    const CameraStatusListener& cameraListener() const { return *m_cameraListener; }

private:
    void buildMenus();
    void buildDocks();
    void rebuildSettings();
    // The handler's drag options, below the shown widget's own settings.
    void addDragOptionSettings(SettingsForm& form);
    // Marks the entry's row without showing it again.
    void selectInGallery(int index);
    void appendLog(const QString& line);

    SceneView* m_view = nullptr;
    std::unique_ptr<ModelController> m_model;
    std::unique_ptr<Velto::UiWidget::Widget3DEventHandler> m_handler;
    std::unique_ptr<CameraStatusListener> m_cameraListener;
    SignalRecorder* m_recorder = nullptr;
    std::unique_ptr<GalleryItem> m_item;
    int m_currentEntry = -1;

    QListWidget* m_gallery = nullptr;
    QLabel* m_description = nullptr;
    QWidget* m_settingsHost = nullptr;
    QFormLayout* m_settingsLayout = nullptr;
    QPlainTextEdit* m_log = nullptr;
};

} // namespace Viewer
