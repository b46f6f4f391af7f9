import QtQuick
import QtQuick3D
import Corvane.Preview

// The bowl in 3D with a camera that circles it. Dragging turns the bowl,
// the wheel zooms, a double click goes back to the three-quarter view.
Item {
    id: root

    readonly property real homeAzimuth: 35
    readonly property real homeElevation: 30
    property real azimuth: homeAzimuth
    property real elevation: homeElevation
    property real zoom: 1
    // Pixels per inch of a view without perspective; 0 for the perspective view.
    property real orthographicScale: 0
    // The point the camera circles (on the bowl's axis) and the radius of a
    // sphere around it that holds the whole bowl, in inches.
    property vector3d center: Qt.vector3d(0, 0, 0)
    property real radius: 1
    property alias bowlGeometry: bowl
    // Glue lines on the joints, and how they look (set from the program).
    property bool glueLines: true
    property real glueLineWidth: 0.025
    property vector3d glueLineColor: Qt.vector3d(0, 0, 0)

    function resetCamera() {
        azimuth = homeAzimuth
        elevation = homeElevation
        zoom = 1
    }

    View3D {
        id: view
        anchors.fill: parent
        camera: root.orthographicScale > 0 ? flatCamera : orbitCamera
        environment: SceneEnvironment {
            backgroundMode: SceneEnvironment.Color
            clearColor: "#e4e4e4"
            antialiasingMode: SceneEnvironment.MSAA
            antialiasingQuality: SceneEnvironment.High
            // Light adds up in linear terms and is shown in sRGB, as the plan's colours are.
            tonemapMode: SceneEnvironment.TonemapModeLinear
        }

        Node {
            position: root.center
            eulerRotation: Qt.vector3d(-root.elevation, root.azimuth, 0)

            PerspectiveCamera {
                id: orbitCamera
                // Half the angle of the narrower side of the view.
                readonly property real fit: Math.max(0.05, Math.min(
                    fieldOfView * Math.PI / 360,
                    Math.atan(Math.tan(fieldOfView * Math.PI / 360) * view.width / Math.max(view.height, 1))))
                z: root.radius / Math.sin(fit) * root.zoom
                clipNear: Math.max(root.radius * 0.001, z - 2 * root.radius)
                clipFar: z + 2 * root.radius
            }

            OrthographicCamera {
                id: flatCamera
                z: 3 * root.radius
                clipNear: root.radius * 0.5
                clipFar: 6 * root.radius
                horizontalMagnification: Math.max(root.orthographicScale, 1)
                verticalMagnification: Math.max(root.orthographicScale, 1)
            }

            // From above the viewer's left shoulder, so the inside and the
            // outside read apart while the woods keep their colours.
            DirectionalLight {
                eulerRotation: Qt.vector3d(-20, -25, 0)
                brightness: 0.9
            }
        }

        Model {
            geometry: BowlGeometry {
                id: bowl
            }
            materials: CustomMaterial {
                shadingMode: CustomMaterial.Shaded
                vertexShader: "qrc:/corvane/BowlWood.vert"
                fragmentShader: "qrc:/corvane/BowlWood.frag"
                property real glueShown: root.glueLines ? 1 : 0
                property real glueHalfWidth: root.glueLineWidth / 2
                // Linear light, as the vertex colours are.
                property vector3d glueColor: root.glueLineColor
                // A grey of 0.45 in sRGB terms all round, so the side away
                // from the light still shows its woods.
                property vector3d ambientLight: Qt.vector3d(0.171, 0.171, 0.171)
            }
        }
    }

    MouseArea {
        anchors.fill: parent
        property point last

        onPressed: (mouse) => last = Qt.point(mouse.x, mouse.y)
        onPositionChanged: (mouse) => {
            root.azimuth -= (mouse.x - last.x) * 0.4
            root.elevation = Math.max(-89, Math.min(89, root.elevation + (mouse.y - last.y) * 0.4))
            last = Qt.point(mouse.x, mouse.y)
        }
        onDoubleClicked: root.resetCamera()
        onWheel: (wheel) => {
            root.zoom = Math.max(0.2, Math.min(5, root.zoom * Math.pow(0.999, wheel.angleDelta.y)))
        }
    }
}
