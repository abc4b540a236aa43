{ MULTILEVEL
  ; The hat pushed north, then east, then let go.
  { CONTROLLER
    Name=Hat box
    Hat0=View
    { TIMELINE
      At=0
      Hat0=-1
      At=200
      Hat0=0
      At=400
      Hat0=9000
      At=700
      Hat0=-1
    }
  }
}
