#include "windows/saved_dimensions.h"

#include <QWidget>

#include "platform/platform.h"
#include "presentation/layout_scaling.h"

namespace {

void RecordFont(QWidget* component, ComponentDimensions& dimensions) {
  dimensions.Component = component;
  if (!component->testAttribute(Qt::WA_SetFont)) return;
  const QFont font = component->font();
  dimensions.FontInPixels = font.pixelSize() > 0;
  dimensions.FontSize = dimensions.FontInPixels ? font.pixelSize() : font.pointSize();
}

void RestoreFont(const ComponentDimensions& dimensions, int32_t m) {
  if (dimensions.FontSize <= 0) return;
  QFont font = dimensions.Component->font();
  const int size = ScaleRound(dimensions.FontSize, m, 100);
  if (dimensions.FontInPixels)
    font.setPixelSize(size);
  else
    font.setPointSize(size);
  dimensions.Component->setFont(font);
}

}  // namespace

void SaveDimensions(QWidget* client, SavedDimensions& saved, Platform* services) {
  saved.Client = client->size();
  saved.Components.clear();
  saved.ClientFont = {};
  RecordFont(client, saved.ClientFont);
  // findChildren walks depth-first in creation order. Only the window's own named
  // components are recorded: the viewports and scroll bars Qt makes inside a list box
  // follow their list by themselves.
  for (QWidget* component : client->findChildren<QWidget*>()) {
    const QString name = component->objectName();
    if (name.isEmpty() || name.startsWith("qt_")) continue;
    if (saved.Components.size() == kMaxSavedComponents) {
      if (services)
        services->ShowMessage(client->window(), "Too many compenents to save dimensions.", "Error");
      return;
    }
    ComponentDimensions dimensions;
    const QRect bounds = component->geometry();
    dimensions.Left = bounds.x();
    dimensions.Top = bounds.y();
    dimensions.Width = bounds.width();
    dimensions.Height = bounds.height();
    RecordFont(component, dimensions);
    saved.Components.push_back(dimensions);
  }
}

void RestoreDimensions(QWidget* client, const SavedDimensions& saved, double scaleFactor) {
  const int32_t m = LayoutRatio(scaleFactor);
  // The client's font first: controls that follow it then set their own over it.
  if (saved.ClientFont.Component) RestoreFont(saved.ClientFont, m);
  for (const ComponentDimensions& dimensions : saved.Components) {
    const ScaledBounds bounds =
        ScaleBounds({dimensions.Left, dimensions.Top, dimensions.Width, dimensions.Height}, m, 100);
    dimensions.Component->setGeometry(bounds.Left, bounds.Top, bounds.Width, bounds.Height);
    RestoreFont(dimensions, m);
  }
  const QSize scaled(ScaleRound(saved.Client.width(), m, 100),
                     ScaleRound(saved.Client.height(), m, 100));
  client->setFixedSize(scaled);
}
