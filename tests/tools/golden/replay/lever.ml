{ MULTILEVEL
  ; A four-notch lever pushed from the first notch to the last, back one,
  ; then back to the first.
  { CONTROLLER
    Name=Lever
    Axis0=Throttle
    { TIMELINE
      At=0
      Axis0=1000
      At=500
      Axis0=64000
      At=1000
      Axis0=40000
      At=1500
      Axis0=1000
    }
  }
}
